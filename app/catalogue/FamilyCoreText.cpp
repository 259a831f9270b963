#include "FamilyCoreText.h"

#include <QCoreApplication>
#include <limits>
#include <optional>

#include "CoreShape.h"
#include "NumberFormat.h"

namespace transcalc {

FamilyCoreText FamilyCoreTextOf(const std::string& name, const CatalogueFamilyCore& core,
                                std::string_view separator) {
    const CoreShape shape = CoreShape::OfFamily(core.core, core.bobbin);
    // A core whose letters leave no window has no numbers to show: "—".
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const std::optional<EffectiveParameters> effective = shape.Effective();
    const std::optional<WindingWindow> window = shape.Window();
    const auto mm = [separator](double metres) {
        return QString::fromStdString(
            FormatValue(metres * 1e3, SignificantDigits(3).Trimmed(), separator));
    };
    FamilyCoreText text;
    text.name = QString::fromStdString(name);
    text.area =
        QCoreApplication::translate("transcalc::FamilyCoreText", "Ae = %1 мм²")
            .arg(QString::fromStdString(FormatValue(effective ? effective->area * 1e6 : kNone,
                                                    SignificantDigits(3).Trimmed(), separator)));
    text.path = QCoreApplication::translate("transcalc::FamilyCoreText", "le = %1 мм")
                    .arg(mm(effective ? effective->length : kNone));
    text.window =
        QCoreApplication::translate("transcalc::FamilyCoreText", "Окно %1 × %2 мм")
            .arg(mm(window ? window->breadth : kNone), mm(window ? window->height : kNone));
    if (!shape.WindsOnBobbin()) {
        text.bobbin = QCoreApplication::translate("transcalc::FamilyCoreText", "без каркаса");
    }
    return text;
}

}  // namespace transcalc
