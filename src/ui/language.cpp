// The player's language.
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vella {

const QStringList ShippedLanguages = QStringLiteral(VELLACODE_LANGUAGES).split(QLatin1Char(','));

QString InstalledLanguage() {
    const auto* language = dynamic_cast<const PlayerLanguage*>(CurrentLanguage());
    return language ? language->Code() : QStringLiteral("en");
}

QString ChooseLanguage(const QStringList& preferred) {
    for (QString tag : preferred) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = tag.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en")) return QStringLiteral("en");
        // "pt_Latn_BR" names "pt_BR"; a language shipped for one country serves the others.
        for (const QString& shipped : ShippedLanguages) {
            if (shipped.section(QLatin1Char('_'), 0, 0) == language) return shipped;
        }
    }
    return QStringLiteral("en");
}

PlayerLanguage::PlayerLanguage(const QString& code) : code_(code), locale_(code) {
    if (code_ == QLatin1String("en")) return;
    (void)own_.load(QStringLiteral(":/i18n/vellacode_") + code_);
    // Qt's own texts: built into the program where it carries them, else the system's.
    if (!qt_.load(QStringLiteral(":/i18n/qtbase_") + code_)) {
        (void)qt_.load(QStringLiteral("qtbase_") + code_,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

PlayerLanguage::~PlayerLanguage() {
    UseLanguage(nullptr);
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&own_);
    }
}

void PlayerLanguage::Install() {
    UseLanguage(this);
    if (code_ == QLatin1String("en")) return;
    QLocale::setDefault(locale_);
    if (QCoreApplication::instance()) {
        QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&own_);
    }
}

std::string PlayerLanguage::Translate(const char* context, const char* source) const {
    if (own_.isEmpty()) return {};
    return own_.translate(context, source).toStdString();
}

std::string PlayerLanguage::DecimalPoint() const {
    return locale_.decimalPoint().toStdString();
}

}  // namespace vella
