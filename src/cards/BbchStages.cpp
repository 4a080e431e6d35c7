#include "BbchStages.h"

namespace {

const char *const PrincipalNames[10] = {
    QT_TRANSLATE_NOOP("BbchStages", "Germination, sprouting, bud development"),
    QT_TRANSLATE_NOOP("BbchStages", "Leaf development"),
    QT_TRANSLATE_NOOP("BbchStages", "Formation of side shoots, tillering"),
    QT_TRANSLATE_NOOP("BbchStages", "Stem elongation, rosette growth, shoot development"),
    QT_TRANSLATE_NOOP("BbchStages", "Development of harvestable vegetative parts, booting"),
    QT_TRANSLATE_NOOP("BbchStages", "Inflorescence emergence, heading"),
    QT_TRANSLATE_NOOP("BbchStages", "Flowering"),
    QT_TRANSLATE_NOOP("BbchStages", "Development of fruit"),
    QT_TRANSLATE_NOOP("BbchStages", "Ripening of fruit and seed"),
    QT_TRANSLATE_NOOP("BbchStages", "Senescence, beginning of dormancy"),
};

} // namespace

QString BbchStages::principalName(int principal)
{
    return principal >= 0 && principal <= 9 ? tr(PrincipalNames[principal]) : QString();
}

bool BbchStages::isCode(const QString &code)
{
    return code.size() == 2 && code[0].isDigit() && code[1].isDigit() && code[0].unicode() < 128 &&
           code[1].unicode() < 128;
}

QString BbchStages::describe(const QString &code)
{
    if (!isCode(code))
        return {};
    //: A BBCH growth stage: %1 the two-digit code, %2 the name of its principal stage.
    return tr("%1 - %2").arg(code, principalName(code[0].digitValue()));
}

QList<BbchStages::Stage> BbchStages::all()
{
    QList<Stage> stages;
    stages.reserve(100);
    for (int code = 0; code < 100; ++code) {
        const QString text = QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
        stages.append({text, describe(text)});
    }
    return stages;
}
