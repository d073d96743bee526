#include "app/batch/batch_main.h"

#ifdef _WIN32
// The wide arguments (the program is linked with -municode): a deck's name arrives whole.
int wmain(int argc, wchar_t** argv) { return trelvo::RunBatch(trelvo::Utf8Arguments(argc, argv)); }
#else
int main(int argc, char** argv) { return trelvo::RunBatch({argv, argv + argc}); }
#endif
