#include "relief/MinCostFlow.h"

#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>

// Potentials and distances are sums and differences of a handful of path
// costs, each path of at most MaxNodes arcs at most MaxLevel a level: 64
// such paths' worth still fits.
static_assert(64 * qint64(MinCostFlow::MaxNodes) * ReliefCost::MaxLevel < std::numeric_limits<qint64>::max());

MinCostFlow::MinCostFlow(int nodes)
    : out_(nodes)
{
    Q_ASSERT(nodes <= MaxNodes);
}

int MinCostFlow::AddArc(int from, int to, int capacity, const Cost& cost)
{
    Q_ASSERT(cost.InRange());
    const int arc = int(arcs_.size());
    arcs_.push_back({to, capacity, cost});
    arcs_.push_back({from, 0, Cost() - cost});
    out_[from].push_back(arc);
    out_[to].push_back(arc + 1);
    return arc;
}

bool MinCostFlow::ShortestPaths(int source, int sink, std::vector<Cost>& potential, std::vector<int>& via) const
{
    std::vector<std::optional<Cost>> distance(out_.size());
    std::fill(via.begin(), via.end(), -1);
    using Entry = std::pair<Cost, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    distance[source] = Cost();
    queue.push({Cost(), source});
    while (!queue.empty()) {
        const auto [reached, node] = queue.top();
        queue.pop();
        if (reached != distance[node])
            continue;
        if (node == sink)
            break;
        for (const int arc : out_[node]) {
            const Arc& next = arcs_[arc];
            if (next.capacity == 0)
                continue;
            const Cost through = reached + next.cost + potential[node] - potential[next.to];
            if (!distance[next.to] || through < *distance[next.to]) {
                distance[next.to] = through;
                via[next.to] = arc;
                queue.push({through, next.to});
            }
        }
    }
    if (!distance[sink])
        return false;
    // The search stops at the sink; nodes not settled by then are at least
    // as far, and moving them by the sink's distance keeps every reduced
    // cost from being negative.
    for (size_t node = 0; node < out_.size(); ++node)
        potential[node] += distance[node] ? std::min(*distance[node], *distance[sink]) : *distance[sink];
    return true;
}

int MinCostFlow::Run(int source, int sink)
{
    std::vector<Cost> potential(out_.size());
    std::vector<int> via(out_.size(), -1);
    int flow = 0;
    while (ShortestPaths(source, sink, potential, via)) {
        int pushed = std::numeric_limits<int>::max();
        for (int node = sink; node != source; node = arcs_[via[node] ^ 1].to)
            pushed = std::min(pushed, arcs_[via[node]].capacity);
        for (int node = sink; node != source; node = arcs_[via[node] ^ 1].to) {
            arcs_[via[node]].capacity -= pushed;
            arcs_[via[node] ^ 1].capacity += pushed;
        }
        flow += pushed;
    }
    return flow;
}
