// The baseline of the trelvo-batch measurement: the least a C++ program does with a deck,
// written the plain way. It reads the file named on its command line and writes its bytes
// to standard output.
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: bench_copy_floor FILE\n";
        return 1;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "bench_copy_floor: cannot read " << argv[1] << "\n";
        return 2;
    }
    std::cout << file.rdbuf();
    return std::cout ? 0 : 3;
}
