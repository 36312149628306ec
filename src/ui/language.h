// The player's language, chosen once as the program starts: the program's own catalogue and
// Qt's, loaded from the program's resources (Qt's own from the system where it keeps them), and
// installed for every text the program says (see text/text.h) and for Qt's own.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "text/text.h"

namespace vella {

// The languages the program speaks besides English, as the catalogues are named: "de" … "pt_BR".
extern const QStringList ShippedLanguages;

// The first of `preferred` (as QLocale::uiLanguages() gives them: "de-DE", "pt-BR", "fr") that
// the program speaks: a shipped catalogue's name, or "en"; English where none is.
QString ChooseLanguage(const QStringList& preferred);

class PlayerLanguage : public Language {
  public:
    // `code`: "en" or one of ShippedLanguages.
    explicit PlayerLanguage(const QString& code);
    ~PlayerLanguage() override;

    QString Code() const { return code_; }
    // Whether the catalogue of this language was found; English always is.
    bool Loaded() const { return code_ == QLatin1String("en") || !own_.isEmpty(); }

    // Makes this the language of the program's texts and of numbers; once an application object
    // exists, Qt's own texts (the standard buttons, an edit box's menu) follow it too.
    void Install();

    std::string Translate(const char* context, const char* source) const override;
    std::string DecimalPoint() const override;

  private:
    QString code_;
    QLocale locale_;
    QTranslator own_;
    QTranslator qt_;
};

// The code of the language installed last ("en" before any): the help's pages are in a folder
// of that name where they are translated.
QString InstalledLanguage();

// `text` in the player's language, for a window.
inline QString Caption(Text text) {
    return QString::fromStdString(Tr(text));
}

}  // namespace vella
