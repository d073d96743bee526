// Writes the verification page from the problems of the verification set:
//   trelvo-verification-page EXAMPLES_VERIFICATION_FOLDER PAGE
// Exit status: 0 written, every value within its tolerance; 1 usage; 2 a problem's files
// could not be read; 3 the page could not be written; 4 written, but a value is outside its
// problem's tolerance (the page shows it).
#include "files/replace_file.h"
#include "tools/verification/verification_page.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace trelvo::verification;
    if (argc != 3) {
        std::cerr << "usage: trelvo-verification-page EXAMPLES_VERIFICATION_FOLDER PAGE\n";
        return 1;
    }
    std::vector<CheckedProblem> problems;
    try {
        problems = CheckVerificationSet(argv[1]);
    } catch (const ProblemFileError& error) {
        std::cerr << error.what() << "\n";
        return 2;
    }
    if (!trelvo::ReplaceFileAtomically(argv[2], VerificationPage(problems))) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 3;
    }
    int status = 0;
    for (const CheckedProblem& checked : problems)
        if (!checked.Passes()) {
            std::cerr << checked.problem.name << ": a value is outside the tolerance, or the run "
                      << "has a message\n";
            status = 4;
        }
    return status;
}
