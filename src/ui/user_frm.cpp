// The log-in window.
#include "ui/user_frm.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "play/login_choice.h"
#include "ui/dialog_style.h"
#include "ui/named_combo_box.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace vella {

UserFrm::UserFrm(LoginChoice& choice, QWidget* parent) : QDialog(parent), choice_(choice) {
    setWindowTitle(QStringLiteral("¿Quién Es Usted?"));
    setWindowIcon(pictures::LoginIcon());
    FixDialog(this, 2910, 1935);

    Label2 =
        new QLabel(QStringLiteral("We need your name if you want us to keep stats on you."), this);
    Label2->setGeometry(TwipsRect(120, 120, 2655, 495));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);

    Label1 = new QLabel(QStringLiteral("Type your \"User ID\""), this);
    Label1->setGeometry(TwipsRect(120, 720, 2655, 255));

    // Named "User ID" however much has been typed into it.
    Combo1 = new NamedComboBox(this, [](const QComboBox& box) { return box.accessibleName(); });
    Combo1->setGeometry(TwipsRect(120, 960, 2055, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    // Every character goes through the type-ahead; paste by menu or drop would slip past it.
    Combo1->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    Combo1->lineEdit()->setAcceptDrops(false);
    Combo1->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Combo1->setAccessibleName(QStringLiteral("User ID"));
    Combo1->setAccessibleDescription(Label2->text());

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(TwipsRect(120, 1440, 1215, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &UserFrm::Command1_Click);

    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(TwipsRect(1440, 1440, 1335, 375));
    connect(CancelBtn, &QPushButton::clicked, this, &UserFrm::CancelBtn_Click);

    NoStats = new QPushButton(QStringLiteral("No Keep Stats"), this);
    NoStats->setGeometry(TwipsRect(1440, 1440, 1335, 375));
    connect(NoStats, &QPushButton::clicked, this, &UserFrm::NoStats_Click);

    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, CancelBtn);
    setTabOrder(CancelBtn, NoStats);

    Form_Load();
    Combo1->setFocus();
    PlaceClientArea(this, 3525, 2100);
}

void UserFrm::Form_Load() {
    const bool offerNoStats = choice_.OffersNoStats();
    NoStats->setVisible(offerNoStats);
    NoStats->setEnabled(offerNoStats);
    CancelBtn->setVisible(!offerNoStats);
    CancelBtn->setEnabled(!offerNoStats);
    for (const std::string& entry : choice_.Entries())
        Combo1->addItem(QString::fromStdString(entry));
    Combo1->setCurrentIndex(choice_.Preselected());
}

bool UserFrm::Combo1_KeyPress(char32_t key) {
    const std::optional<NameBox> box = choice_.Key(key);
    if (!box) return false;
    Combo1->setEditText(QString::fromStdString(box->Text));
    Combo1->lineEdit()->setCursorPosition(box->SelStart);
    if (box->SelLength > 0) Combo1->lineEdit()->setSelection(box->SelStart, box->SelLength);
    return true;
}

void UserFrm::TypeText(const QString& text) {
    for (char32_t c : text.toStdU32String()) Combo1_KeyPress(c);
}

// Keys reach the combo box (which keeps the focus) or, after a click, its line edit; the box
// hands keys and input-method commits on to the line edit by a direct call, so both are watched.
bool UserFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Combo1 && watched != Combo1->lineEdit()) {
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

bool UserFrm::NameKey(QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Command1->click();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Backspace:
            Combo1_KeyPress(TypeAhead::Backspace);
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
    if (key->text().isEmpty()) return false;  // movement keys, Delete
    TypeText(key->text());
    return true;
}

void UserFrm::Command1_Click() {
    if (choice_.Ok(Combo1->currentText().toStdString())) {
        accept();
    } else {
        Combo1->setFocus();
    }
}

void UserFrm::CancelBtn_Click() {
    choice_.Cancel();
    reject();
}

void UserFrm::NoStats_Click() {
    choice_.Decline();
    reject();
}

}  // namespace vella
