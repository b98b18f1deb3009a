// libFuzzer harness: see CheckNameComputation in NameComputationCheck.h for the input and what is
// checked.
#include <cstdio>
#include <cstdlib>

#include "fuzz/NameComputationCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QString problem = CheckNameComputation(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
        std::abort();
    }
    return 0;
}
