#pragma once

#include <QtGlobal>

#include <array>

// The rules that rank relief teachers, in their order: after covering as
// many lessons as possible, a teacher's last free period is taken only when
// nobody else can; then the load is spread, each further relief this week
// costing more than the one before, the term's count breaking ties; then a
// teacher who teaches the subject or the class; then the one with more free
// periods left; then the lower number.
enum class Rule { LastFree, Week, Term, Teaches, FreeLeft, Number, Count };

// What one relief costs under each rule, compared rule by rule: the first
// rule under which two costs differ decides. Sums compare the same way, so a
// plan cheaper under an earlier rule is cheaper whatever the later rules add,
// with no weights to outgrow a number. Each level lies in 0..MaxLevel, which
// keeps every sum the day's plan makes far inside 64 bits.
struct ReliefCost {
    static constexpr qint64 MaxLevel = qint64(1) << 31;

    std::array<qint64, int(Rule::Count)> levels {};

    qint64& operator[](Rule rule) { return levels[int(rule)]; }
    qint64 operator[](Rule rule) const { return levels[int(rule)]; }
    ReliefCost& operator+=(const ReliefCost& other);
    ReliefCost& operator-=(const ReliefCost& other);
    friend ReliefCost operator+(ReliefCost one, const ReliefCost& other) { return one += other; }
    friend ReliefCost operator-(ReliefCost one, const ReliefCost& other) { return one -= other; }
    bool operator==(const ReliefCost&) const = default;
    bool operator<(const ReliefCost& other) const { return levels < other.levels; }

    // Every level within 0..MaxLevel.
    bool InRange() const;
};
