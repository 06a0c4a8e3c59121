#pragma once

#include "data/TeacherRow.h"

// How a teacher takes part in relief: on relief duty, free of it, or attached
// for substitution only. Free of relief wins when both flags are set.
enum class TeacherKind { ReliefOn, ReliefFree, SubstitutionAttach };

inline TeacherKind KindOf(const QString& salOnly, const QString& relFree)
{
    if (IsFlagSet(relFree))
        return TeacherKind::ReliefFree;
    if (IsFlagSet(salOnly))
        return TeacherKind::SubstitutionAttach;
    return TeacherKind::ReliefOn;
}
