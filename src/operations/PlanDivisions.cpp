#include "operations/PlanDivisions.h"

const QList<PlanDivision>& planDivisions()
{
    static const QList<PlanDivision> list = {
        {1, "유치부", "유치부", "<유치부>", {"유", "치", "부", ""}},
        {2, "초등부유급자", "초등부 유급자", "<초등부유급자>", {"유", "급", "자", ""}},
        {3, "초등부유품자", "초등부 유품자", "<초등부유품자>", {"유", "품", "자", ""}},
        {4, "중고일반", "중고/일반", "<중고/일반>", {"중", "고", "일", "반"}},
    };
    return list;
}

const PlanDivision* planDivision(const QString& name)
{
    for (const PlanDivision& d : planDivisions())
        if (d.name == name)
            return &d;
    return nullptr;
}
