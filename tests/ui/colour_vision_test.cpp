// The peg symbols for the people they are for: the seven pegs, as people with protanopia,
// deuteranopia and tritanopia see them (Machado, Oliveira and Fernandes 2009, severity 1, on
// linear RGB), still differ pair by pair in the shape of their symbol, at both sizes. Without
// symbols, the pairs whose colours come close under a simulation are named.
#include <QtTest>
#include <array>
#include <cmath>

using Matrix = std::array<std::array<double, 3>, 3>;
using Linear = std::array<double, 3>;

namespace {

const std::array<std::pair<const char*, Matrix>, 4> Views{{
    {"normal vision", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
}};
const char* const Names[] = {"black", "blue", "red", "green", "cyan", "magenta", "yellow"};

Linear Seen(QColor colour, const Matrix& m) {
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const Linear rgb{lin(colour.redF()), lin(colour.greenF()), lin(colour.blueF())};
    Linear out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    }
    return out;
}

double Luminance(const Linear& c) {
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// CIE 1976 L*a*b* distance.
double DeltaE(const Linear& x, const Linear& y) {
    const auto lab = [](const Linear& c) {
        const double X = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.9505;
        const double Y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
        const double Z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.089;
        const auto f = [](double t) {
            return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0;
        };
        return std::array<double, 3>{116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
    };
    const auto a = lab(x), b = lab(y);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

QImage Picture(int code, bool symbol, bool large) {
    return QImage(QStringLiteral(":/assets/peg%1%2%3.xpm")
                      .arg(code)
                      .arg(symbol ? QStringLiteral("s") : QString())
                      .arg(large ? QStringLiteral("@2x") : QString()))
        .convertToFormat(QImage::Format_ARGB32);
}

// The peg's own colour: the centre of the picture without a symbol.
QColor Body(int code) {
    return Picture(code, false, false).pixelColor(16, 16);
}

// The pixels of the symbol as seen under `m`: those of the peg's centre that stand out from its
// body by a contrast of 3 or more.
QVector<bool> Symbol(int code, bool large, const Matrix& m) {
    const QImage image = Picture(code, true, large);
    const double body = Luminance(Seen(Body(code), m));
    const int size = image.width();
    QVector<bool> mask(size * size, false);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = (x + 0.5) * 32.0 / size - 16, dy = (y + 0.5) * 32.0 / size - 16;
            if (std::hypot(dx, dy) > 6) continue;
            mask[y * size + x] = Contrast(Luminance(Seen(image.pixelColor(x, y), m)), body) >= 3;
        }
    }
    return mask;
}

}  // namespace

class ColourVisionTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPairDiffersByItsSymbol_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("large");
        for (int v = 0; v < int(Views.size()); ++v) {
            for (bool large : {false, true}) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2 pixels")
                                             .arg(QLatin1String(Views[v].first))
                                             .arg(large ? 64 : 32)))
                    << v << large;
            }
        }
    }
    void everyPairDiffersByItsSymbol() {
        QFETCH(int, view);
        QFETCH(bool, large);
        const Matrix& m = Views[view].second;
        const int area = large ? 4 : 1;  // pixels per 32-pixel pixel
        std::array<QVector<bool>, 7> symbols;
        for (int code = 0; code < 7; ++code) {
            symbols[code] = Symbol(code, large, m);
            const int shown = int(symbols[code].count(true));
            QVERIFY2(shown >= 14 * area,
                     qPrintable(QStringLiteral("the %1 peg's symbol shows %2 px")
                                    .arg(QLatin1String(Names[code]))
                                    .arg(shown)));
        }
        for (int a = 0; a < 7; ++a) {
            for (int b = a + 1; b < 7; ++b) {
                int differ = 0;
                for (int i = 0; i < symbols[a].size(); ++i)
                    differ += symbols[a][i] != symbols[b][i];
                QVERIFY2(differ >= 12 * area,
                         qPrintable(QStringLiteral("%1 and %2 differ in only %3 px")
                                        .arg(QLatin1String(Names[a]), QLatin1String(Names[b]))
                                        .arg(differ)));
            }
        }
    }

    // Without symbols: the pairs whose colours come within a distance of 32 (CIE 1976) under a
    // simulation, where telling them apart takes a careful look or is not possible.
    void withoutSymbolsSomePairsCollide() {
        QStringList collisions;
        for (const auto& [name, m] : Views) {
            for (int a = 0; a < 7; ++a) {
                for (int b = a + 1; b < 7; ++b) {
                    const double d = DeltaE(Seen(Body(a), m), Seen(Body(b), m));
                    if (d < 32) {
                        collisions << QStringLiteral("%1: %2 and %3 (%4)")
                                          .arg(QLatin1String(name), QLatin1String(Names[a]),
                                               QLatin1String(Names[b]))
                                          .arg(d, 0, 'f', 1);
                    }
                }
            }
        }
        qInfo("%s", qPrintable(collisions.join(QStringLiteral("; "))));
        QVERIFY(!collisions.isEmpty());
        QVERIFY(collisions.filter(QStringLiteral("normal vision")).isEmpty());
    }
};

QTEST_MAIN(ColourVisionTest)
#include "colour_vision_test.moc"
