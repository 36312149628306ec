// The player's own choices kept from one run to the next.
#include "ui/settings.h"

#include <QSettings>

namespace vella::settings {
namespace {

const QString PegSymbolsKey = QStringLiteral("PegSymbols");

}  // namespace

bool PegSymbols() {
    return QSettings().value(PegSymbolsKey, false).toBool();
}

void SetPegSymbols(bool on) {
    QSettings().setValue(PegSymbolsKey, on);
}

}  // namespace vella::settings
