#pragma once

#include "relief/ReliefCost.h"

#include <optional>
#include <vector>

// The largest flow from a source to a sink at the least cost, by successive
// shortest paths (Dijkstra over reduced costs, stopped at the sink). Costs
// compare rule by rule and must not be negative; with every arc's levels
// within ReliefCost's range and at most MaxNodes nodes, no sum of costs the
// search makes can overflow.
class MinCostFlow {
public:
    using Cost = ReliefCost;
    static constexpr int MaxNodes = 1 << 24;

    explicit MinCostFlow(int nodes);

    // The arc's index, for Flow().
    int AddArc(int from, int to, int capacity, const Cost& cost);
    // The flow sent.
    int Run(int source, int sink);
    int Flow(int arc) const { return arcs_[arc ^ 1].capacity; }

private:
    struct Arc {
        int to = 0;
        int capacity = 0;
        Cost cost;
    };

    // The cheapest path's arcs into each node, or false when the sink is out of reach.
    bool ShortestPaths(int source, int sink, std::vector<Cost>& potential, std::vector<int>& via) const;

    std::vector<Arc> arcs_; // each arc followed by its reverse
    std::vector<std::vector<int>> out_;
};
