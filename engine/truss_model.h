#pragma once

#include <array>
#include <cstdint>

namespace trelvo {

// Capacity: what the help page and the About box promise.
inline constexpr int kMaxNodes = 50;
inline constexpr int kMaxElements = 50;
inline constexpr int kMaxDofs = 3 * kMaxNodes;

// The program-wide tables of the engine. Every table is 1-based (entry 0 is unused but
// for modulusScale[0]), allocated once and zero-filled; a run overwrites what it reads.
// Large (about 190 KB): allocate it on the heap.
struct TrussModel {
    template <class T> using NodeTable = std::array<std::array<T, kMaxNodes + 1>, 4>;
    template <class T> using ElementTable = std::array<T, kMaxElements + 1>;

    // Per node, indexed [direction 1..3][node 1..50].
    NodeTable<std::int8_t> fixed{};
    NodeTable<double> coord{};
    NodeTable<double> load{};

    // Per element, indexed by element number 1..50.
    ElementTable<std::int8_t> node1{};
    ElementTable<std::int8_t> node2{};
    ElementTable<double> youngsModulus{};
    ElementTable<double> area{};
    ElementTable<double> modulusScale{};
    ElementTable<double> cosX{};
    ElementTable<double> cosY{};
    ElementTable<double> cosZ{};
    ElementTable<double> axialStiffness{};

    // Global system, indexed by degree of freedom; the matrix has one more column for
    // the loads during the solution.
    std::array<std::array<double, kMaxDofs + 2>, kMaxDofs + 1> stiffnessMatrix{};
    std::array<double, kMaxDofs + 1> loadVector{};
    std::array<double, kMaxDofs + 1> displacement{};

    // Run scalars, reset at every run.
    std::int32_t nodeCount = 0;
    std::int32_t elementCount = 0;
    std::int32_t dofCount = 0;
    bool printAdjustedK = false;
    std::int32_t lastElementNumber = 0;
};

// Degree of freedom of direction d (X = 1, Y = 2, Z = 3) of node n.
constexpr int dofIndex(int node, int direction) { return 3 * (node - 1) + direction; }

} // namespace trelvo
