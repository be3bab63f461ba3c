#include "catalogue/katalog_intern.h"
#include "platform/jet/gridmodel.h"
#include "platform/jet/jet.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace sorvo {

namespace {

// A single-precision value with the digits it was stored with (0,3, not
// 0,30000001192092896).
QString single(double d) {
    static const QLocale deutsch = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    char puffer[32];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, static_cast<float>(d)).ptr;
    double genau = d;
    std::from_chars(puffer, ende, genau);
    return deutsch.toString(genau, 'g', QLocale::FloatingPointShortest);
}

} // namespace

bool keineEndlicheZahl(const jet::Value& v) {
    return (v.isNumber() || v.type() == jet::DataType::Date) && !std::isfinite(v.toDouble());
}

QString Textform(const jet::Value& v) {
    // A label must never show "nan" or "inf": such a value prints as Null.
    if (keineEndlicheZahl(v))
        return {};
    // The grid shows values the way the labels print them.
    if (v.type() == jet::DataType::Single)
        return single(v.toDouble());
    return jet::RecordsetModel::defaultDisplay(v);
}

} // namespace sorvo
