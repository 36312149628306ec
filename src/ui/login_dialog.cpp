// The log-in window.
#include "ui/login_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "play/captions.h"
#include "play/login_choice.h"
#include "ui/dialog_style.h"
#include "ui/language.h"
#include "ui/named_combo_box.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

LoginDialog::LoginDialog(LoginChoice& choice, const Layout& layout, QWidget* parent)
    : QDialog(parent), choice_(choice) {
    setWindowTitle(Caption(LoginTitle));
    setWindowIcon(Pictures::LoginIcon());
    FixDialog(this, layout, 2910, 1935);

    explanation = new QLabel(Caption(LoginExplanation), this);
    explanation->setGeometry(layout.Rect(120, 120, 2655, 495));
    explanation->setAlignment(Qt::AlignCenter);
    explanation->setWordWrap(true);
    explanation->setFrameStyle(QFrame::Box | QFrame::Plain);

    prompt = new QLabel(Caption(LoginPrompt), this);
    prompt->setGeometry(layout.Rect(120, 720, 2655, 255));

    // Named "User ID" however much has been typed into it.
    nameBox = new NamedComboBox(this, [](const QComboBox& box) { return box.accessibleName(); });
    nameBox->setGeometry(layout.Rect(120, 960, 2055, 315));
    nameBox->setEditable(true);
    nameBox->setInsertPolicy(QComboBox::NoInsert);
    nameBox->setCompleter(nullptr);
    // Every character goes through the type-ahead; paste by menu or drop would slip past it.
    nameBox->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    nameBox->lineEdit()->setAcceptDrops(false);
    nameBox->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    nameBox->installEventFilter(this);
    nameBox->lineEdit()->installEventFilter(this);
    nameBox->setAccessibleName(Caption(NameBoxName));
    connect(nameBox, &QComboBox::activated, this, &LoginDialog::onEntryChosen);

    okButton = new QPushButton(Caption(OkCaption), this);
    okButton->setGeometry(layout.Rect(120, 1440, 1215, 375));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &LoginDialog::onOk);

    cancelButton = new QPushButton(Caption(CancelCaption), this);
    cancelButton->setGeometry(layout.Rect(1440, 1440, 1335, 375));
    connect(cancelButton, &QPushButton::clicked, this, &LoginDialog::onCancel);

    noStatsButton = new QPushButton(Caption(NoKeepStatsCaption), this);
    noStatsButton->setGeometry(layout.Rect(1440, 1440, 1335, 375));
    connect(noStatsButton, &QPushButton::clicked, this, &LoginDialog::onNoKeepStats);

    setTabOrder(nameBox, okButton);
    setTabOrder(okButton, cancelButton);
    setTabOrder(cancelButton, noStatsButton);

    ShowChoice();
    nameBox->setFocus();
    ShowCaptionsWhole(this);
    PlaceClientArea(this, layout, 3525, 2100);
}

void LoginDialog::ShowChoice() {
    const bool offerNoStats = choice_.OffersNoStats();
    noStatsButton->setVisible(offerNoStats);
    noStatsButton->setEnabled(offerNoStats);
    cancelButton->setVisible(!offerNoStats);
    cancelButton->setEnabled(!offerNoStats);
    for (const PlayerName& entry : choice_.Entries())
        nameBox->addItem(QString::fromStdString(entry.Text()));
    // The list only: the box keeps its place beside the buttons' edge.
    FitToEntries(nameBox, nameBox->geometry(), nameBox->geometry().right() + 1);
    nameBox->setCurrentIndex(choice_.Preselected());
}

bool LoginDialog::onKeyTyped(char32_t key) {
    const std::optional<TypeAhead::Box> box = choice_.Key(key);
    if (!box) return false;
    // The box counts characters; the line edit counts UTF-16 units, two for some characters.
    const std::u32string characters = QString::fromStdString(box->Text).toStdU32String();
    const auto units = [&characters](int count) {
        return static_cast<int>(QString::fromStdU32String(characters.substr(0, count)).size());
    };
    const bool typed = key != TypeAhead::Backspace && key != TypeAhead::Delete;
    const QString text = QString::fromStdU32String(characters);
    const int start = units(box->SelStart);
    // Only what the key changed is rewritten, from the key's own place on (a typed character
    // replaces what stood there, as typing over a selection does), so that a screen reader
    // says the letter taken away or the text put in, as in any edit box.
    QLineEdit* edit = nameBox->lineEdit();
    const QString old = edit->text();
    int from = units(box->SelStart - (typed ? 1 : 0));
    for (int i = 0; i < from; ++i) {
        if (i >= old.size() || old[i] != text[i]) from = i;
    }
    if (old.size() > from) {
        edit->setSelection(from, static_cast<int>(old.size()) - from);
        edit->del();
    }
    edit->setCursorPosition(from);
    if (text.size() > from) edit->insert(text.mid(from));
    edit->setCursorPosition(start);
    if (box->SelLength > 0) edit->setSelection(start, static_cast<int>(text.size()) - start);
    return true;
}

void LoginDialog::TypeText(const QString& text) {
    for (char32_t c : text.toStdU32String()) onKeyTyped(c);
}

// Keys reach the combo box (which keeps the focus) or, after a click, its line edit; the box
// hands keys and input-method commits on to the line edit by a direct call, so both are watched.
bool LoginDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != nameBox && watched != nameBox->lineEdit()) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return NameKey(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod:
            TypeText(static_cast<QInputMethodEvent*>(event)->commitString());
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            // The middle button pastes the selection, through the type-ahead like every paste.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton) return false;
            if (event->type() == QEvent::MouseButtonRelease) {
                TypeText(QApplication::clipboard()->text(QClipboard::Selection));
            }
            return true;
        }
        default:
            return false;
    }
}

bool LoginDialog::NameKey(QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            okButton->click();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Backspace:
            onKeyTyped(TypeAhead::Backspace);
            return true;
        case Qt::Key_Delete:
            onKeyTyped(TypeAhead::Delete);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;  // focus movement, never a character
        default:
            break;
    }
    if (key->matches(QKeySequence::Paste)) {
        TypeText(QApplication::clipboard()->text());
        return true;
    }
    // A Ctrl chord is a shortcut, never a character, whatever text the platform attaches to it
    // (Ctrl+Alt stays, since Windows reports AltGr that way).
    const Qt::KeyboardModifiers mods = key->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) return true;
    if (key->text().isEmpty()) return false;  // movement keys
    TypeText(key->text());
    return true;
}

void LoginDialog::onOk() {
    if (choice_.Ok()) {
        accept();
    } else {
        nameBox->setFocus();
    }
}

void LoginDialog::onEntryChosen(int index) {
    choice_.Pick(index);
}

void LoginDialog::onCancel() {
    choice_.Cancel();
    reject();
}

void LoginDialog::onNoKeepStats() {
    choice_.Decline();
    reject();
}

}  // namespace vella
