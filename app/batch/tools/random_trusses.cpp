// Writes decks of random rigid trusses, 1D, 2D and 3D in turn, for comparing two builds of
// trelvo-batch byte for byte:
//   random_trusses FOLDER [COUNT [SEED]]
// writes FOLDER/random-1d-000.txt, FOLDER/random-2d-001.txt, ... (COUNT decks, 540 by
// default) and lists their names on standard output. The random numbers are std::mt19937_64's
// own (its sequence is fixed by the standard; the library's distributions are not), and every
// number is made of whole numbers and written here, so a seed gives the same decks wherever
// this is built. Moduli and areas are written the ways people write them ("30.0e6",
// "2.1E11", "12.3E-6", "70E9", "0.049"); loads sit on free directions only; supports and bars
// make every truss stable: a 1D chain held at one end at least, 2D and 3D trusses grown from a
// triangle or a tetrahedron by a node with two or three bars at a time (which keeps a truss
// rigid while the new node is clear of its anchors' line or plane), held against every
// rigid-body motion.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kMaxBars = 50;
constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr int kDefaultCount = 540;

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // A whole number in [low, high]; the remainder's slight bias does not matter here.
    long long Between(long long low, long long high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<long long>(engine_() % span);
    }
    bool OneIn(int n) { return Between(1, n) == 1; }
    template <class T, std::size_t N> const T& Pick(const std::array<T, N>& choices) {
        return choices[static_cast<std::size_t>(Between(0, N - 1))];
    }

private:
    std::mt19937_64 engine_;
};

// `units` / 10^decimals, written with exactly that many decimals: (-5, 2) gives "-0.05".
std::string Decimal(long long units, int decimals) {
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    }
    return (units < 0 ? "-" : "") + digits;
}

// A whole number of units with up to `most` decimals. (Each draw is a statement of its
// own: the order in which a call's arguments are worked out is the compiler's choice.)
std::string RandomDecimal(Random& random, long long low, long long high, int most) {
    const long long units = random.Between(low, high);
    return Decimal(units, static_cast<int>(random.Between(0, most)));
}

// A mantissa of two or three significant digits: "2.1", "30.0", "70", "12.3", "1.95".
std::string Mantissa(Random& random) { return RandomDecimal(random, 10, 999, 2); }

std::string Exponent(Random& random, int power) {
    std::string text = random.OneIn(2) ? "E" : "e";
    if (power >= 0 && random.OneIn(6))
        text += '+';
    return text + std::to_string(power);
}

// `digits` / 10^decimals; a negative count of decimals is that many zeros after the digits.
std::string Plain(long long digits, int decimals) {
    if (decimals >= 0)
        return Decimal(digits, decimals);
    return std::to_string(digits) + std::string(static_cast<std::size_t>(-decimals), '0');
}

// The moduli and areas of a deck's bars: two or three significant digits with a number of
// decimals, times a power of ten, the same for every bar, so that no bar is thousands of
// times stiffer than another (the engine takes a pivot below 1e-10 of its column for a
// direction nothing holds). Moduli from plastics in MPa to steel in Pa.
struct Material {
    int modulusDecimals = 0;
    int modulusPower = 0;
    int areaDecimals = 0;
    int areaPower = 0;
};

Material RandomMaterial(Random& random) {
    static constexpr std::array kModulusPowers{4, 5, 6, 7, 9, 10, 11};
    static constexpr std::array kAreaPowers{-6, -5, -4, -3, -2, -1, 0, 2};
    Material material;
    material.modulusDecimals = static_cast<int>(random.Between(0, 2));
    material.modulusPower = random.Pick(kModulusPowers);
    material.areaDecimals = static_cast<int>(random.Between(0, 2));
    material.areaPower = random.Pick(kAreaPowers);
    return material;
}

// Digits times ten to the power, written the ways people write such a number: "2.1E11",
// "30.0e6", "70E9", "12.3E-6", "1.5e+2", or now and then without an exponent
// ("210000000000", "0.0000123").
std::string Scaled(Random& random, int decimals, int power) {
    const long long digits = random.Between(10, 999);
    if (random.OneIn(4))
        return Plain(digits, decimals - power);
    return Decimal(digits, decimals) + Exponent(random, power);
}

std::string Load(Random& random) {
    if (random.OneIn(4))
        return "0.0";
    if (random.OneIn(5)) {
        const std::string sign = random.OneIn(2) ? "-" : "";
        const std::string mantissa = Mantissa(random);
        return sign + mantissa + Exponent(random, static_cast<int>(random.Between(1, 4)));
    }
    return RandomDecimal(random, -50000, 50000, 2);
}

// Coordinates in tenths of the deck's length unit, so that they are written exactly.
using Point = std::array<long long, 3>;

struct Node {
    Point at{};
    std::array<bool, 3> fixed{};
};

struct Truss {
    int dimensions = 0;
    std::vector<Node> nodes;
    std::vector<std::array<int, 2>> bars; // 0-based node indices
};

std::array<double, 3> Minus(const Point& a, const Point& b) {
    return {double(a[0] - b[0]), double(a[1] - b[1]), double(a[2] - b[2])};
}
double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
std::array<double, 3> Cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Whether the bars from `p` to its anchors hold it firmly: their directions, as unit
// vectors, far from parallel (two anchors: the sine between them at least a quarter) or
// from one plane (three: the volume they span likewise). Whole numbers far below 2^53 in,
// so every product is exact.
bool HoldsFirmly(const Truss& truss, const std::vector<int>& anchors, const Point& p) {
    std::vector<std::array<double, 3>> bars;
    for (const int a : anchors)
        bars.push_back(Minus(truss.nodes[a].at, p));
    if (bars.size() < 2)
        return true;
    const auto& a = bars[0];
    const auto& b = bars[1];
    if (bars.size() == 2)
        return 16 * Dot(Cross(a, b), Cross(a, b)) >= Dot(a, a) * Dot(b, b);
    const auto& c = bars[2];
    const double volume = Dot(Cross(a, b), c);
    return 16 * volume * volume >= Dot(a, a) * Dot(b, b) * Dot(c, c);
}

bool IsTaken(const Truss& truss, const Point& p) {
    for (const Node& node : truss.nodes)
        if (node.at == p)
            return true;
    return false;
}

Point RandomPoint(Random& random, int dimensions) {
    constexpr long long kReach = 150; // 15.0 units
    Point p{};
    for (int d = 0; d < dimensions; ++d)
        p[d] = random.Between(-kReach, kReach);
    return p;
}

// A new node joined by one bar to each of `bars` distinct earlier nodes, which hold it.
void AddJoinedNode(Random& random, Truss& truss, int bars) {
    for (;;) {
        std::vector<int> anchors;
        while (anchors.size() < static_cast<std::size_t>(bars)) {
            const int a = static_cast<int>(random.Between(0, truss.nodes.size() - 1));
            if (std::find(anchors.begin(), anchors.end(), a) == anchors.end())
                anchors.push_back(a);
        }
        const Point p = RandomPoint(random, truss.dimensions);
        if (IsTaken(truss, p) || !HoldsFirmly(truss, anchors, p))
            continue;
        truss.nodes.push_back(Node{p, {}});
        for (const int a : anchors)
            truss.bars.push_back({a, static_cast<int>(truss.nodes.size()) - 1});
        return;
    }
}

// A bar between two nodes not yet joined, while there is room: a redundant member.
void AddRedundantBars(Random& random, Truss& truss, int count) {
    const int n = static_cast<int>(truss.nodes.size());
    for (int tries = 0; tries < 20 * count && count > 0 && truss.bars.size() < kMaxBars; ++tries) {
        const int a = static_cast<int>(random.Between(0, n - 1));
        const int b = static_cast<int>(random.Between(0, n - 1));
        bool joined = a == b;
        for (const auto& bar : truss.bars)
            joined = joined || (bar[0] == a && bar[1] == b) || (bar[0] == b && bar[1] == a);
        if (!joined) {
            truss.bars.push_back({a, b});
            --count;
        }
    }
}

// Node 1 pinned; node 2 held where turning about node 1 would move it (2D), or pinned too
// and node 3 held where turning about the line 1-2 would move it most (3D). Some trusses get
// a few more supports; directions outside the truss's dimensions are fixed everywhere.
void Support(Random& random, Truss& truss) {
    for (Node& node : truss.nodes)
        for (int d = truss.dimensions; d < 3; ++d)
            node.fixed[d] = true;
    for (int d = 0; d < truss.dimensions; ++d)
        truss.nodes[0].fixed[d] = true;
    if (truss.dimensions == 2) {
        const auto d = Minus(truss.nodes[1].at, truss.nodes[0].at);
        truss.nodes[1].fixed[std::fabs(d[0]) >= std::fabs(d[1]) ? 1 : 0] = true;
    } else if (truss.dimensions == 3) {
        truss.nodes[1].fixed = {true, true, true};
        const auto turn = Cross(Minus(truss.nodes[1].at, truss.nodes[0].at),
                                Minus(truss.nodes[2].at, truss.nodes[0].at));
        int most = 0;
        for (int d = 1; d < 3; ++d)
            if (std::fabs(turn[d]) > std::fabs(turn[most]))
                most = d;
        truss.nodes[2].fixed[most] = true;
    }
    for (long long extra = random.Between(-2, 2); extra > 0; --extra) {
        const long long node = random.Between(0, truss.nodes.size() - 1);
        truss.nodes[node].fixed[random.Between(0, truss.dimensions - 1)] = true;
    }
}

Truss Chain(Random& random) {
    Truss truss;
    truss.dimensions = 1;
    long long x = random.Between(-100, 100);
    const long long count = random.Between(2, 26);
    for (long long i = 0; i < count; ++i) {
        truss.nodes.push_back(Node{{x, 0, 0}, {}});
        x += random.Between(5, 120);
    }
    for (int i = 1; i < count; ++i)
        truss.bars.push_back({i - 1, i});
    return truss;
}

Truss GrownTruss(Random& random, int dimensions) {
    Truss truss;
    truss.dimensions = dimensions;
    // The first triangle or tetrahedron: each node joined to all before it.
    truss.nodes.push_back(Node{RandomPoint(random, dimensions), {}});
    for (int before = 1; before <= dimensions; ++before)
        AddJoinedNode(random, truss, before);
    // 2D: 2n - 3 bars, 3D: 3n - 6, at most 50 in all.
    const long long most = dimensions == 2 ? 26 : 18;
    const long long count = random.Between(dimensions + 1, most);
    while (static_cast<long long>(truss.nodes.size()) < count)
        AddJoinedNode(random, truss, dimensions);
    return truss;
}

std::string NodeLine(Random& random, int number, const Node& node) {
    std::string line = std::to_string(number);
    for (const bool fixed : node.fixed)
        line += fixed ? " 1" : " 0";
    for (const long long tenths : node.at)
        line += " " + Decimal(tenths, 1);
    for (const bool fixed : node.fixed)
        line += " " + (fixed ? std::string("0.0") : Load(random));
    return line;
}

// Elements numbered in their line order, or now and then in another order, and each bar's
// ends in either order: the engine reads both.
std::string DeckText(Random& random, const Truss& truss, const std::string& title) {
    const std::string end = random.OneIn(4) ? "\r\n" : "\n";
    std::string text = title + end + std::to_string(truss.nodes.size()) + " " +
                       std::to_string(truss.bars.size()) + end;
    for (std::size_t i = 0; i < truss.nodes.size(); ++i)
        text += NodeLine(random, static_cast<int>(i) + 1, truss.nodes[i]) + end;
    std::vector<int> numbers;
    for (std::size_t e = 1; e <= truss.bars.size(); ++e)
        numbers.push_back(static_cast<int>(e));
    if (random.OneIn(3))
        for (std::size_t e = numbers.size(); e > 1; --e)
            std::swap(numbers[e - 1], numbers[random.Between(0, e - 1)]);
    const Material material = RandomMaterial(random);
    const bool oneSection = random.OneIn(2);
    const std::string modulus = Scaled(random, material.modulusDecimals, material.modulusPower);
    const std::string area = Scaled(random, material.areaDecimals, material.areaPower);
    for (std::size_t e = 0; e < truss.bars.size(); ++e) {
        auto [a, b] = truss.bars[e];
        if (random.OneIn(2))
            std::swap(a, b);
        const std::string barModulus =
            oneSection ? modulus : Scaled(random, material.modulusDecimals, material.modulusPower);
        const std::string barArea =
            oneSection ? area : Scaled(random, material.areaDecimals, material.areaPower);
        text += std::to_string(numbers[e]) + " " + std::to_string(a + 1) + " " +
                std::to_string(b + 1) + " " + barModulus + " " + barArea + end;
    }
    return text;
}

std::string Deck(Random& random, int dimensions, int index) {
    Truss truss = dimensions == 1 ? Chain(random) : GrownTruss(random, dimensions);
    AddRedundantBars(random, truss, static_cast<int>(random.Between(-3, 3)));
    Support(random, truss);
    // A title starting with K asks for the adjusted stiffness matrix: small trusses only.
    const bool matrix = truss.nodes.size() <= 6 && random.OneIn(3);
    const std::string title = std::string(matrix ? "K " : "") + "RANDOM " +
                              std::to_string(dimensions) + "D TRUSS " + std::to_string(index);
    return DeckText(random, truss, title);
}

std::string Name(int dimensions, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "random-%dd-%03d.txt", dimensions, index);
    return name;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "Usage: random_trusses FOLDER [COUNT [SEED]]\n");
        return 1;
    }
    const std::string folder = argv[1];
    const int count = argc > 2 ? std::atoi(argv[2]) : kDefaultCount;
    Random random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : kDefaultSeed);
    for (int index = 0; index < count; ++index) {
        const int dimensions = index % 3 + 1;
        const std::string name = Name(dimensions, index);
        std::ofstream file(folder + "/" + name, std::ios::binary);
        file << Deck(random, dimensions, index);
        if (!file.flush()) {
            std::fprintf(stderr, "random_trusses: cannot write %s/%s\n", folder.c_str(),
                         name.c_str());
            return 1;
        }
        std::printf("%s\n", name.c_str());
    }
    return 0;
}
