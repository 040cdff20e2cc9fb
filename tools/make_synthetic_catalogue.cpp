// Writes a synthetic catalogue database for benchmarks and load trials:
//   make_synthetic_catalogue OUT.sqlite [--acts N] [--seed S] [--body-scale X]
// The same arguments always give the same acts.

#include "../bench/SyntheticCatalogue.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv)
{
    synthetic::Options options;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--acts" && hasValue)
            options.acts = std::atoi(argv[++i]);
        else if (arg == "--seed" && hasValue)
            options.seed = unsigned(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--body-scale" && hasValue)
            options.bodyScale = std::atof(argv[++i]);
        else if (out.empty() && arg.rfind("--", 0) != 0)
            out = arg;
        else {
            std::fprintf(stderr, "unknown argument: %s\n", arg.c_str());
            return 2;
        }
    }
    if (out.empty() || options.acts < 0) {
        std::fprintf(stderr, "usage: %s OUT.sqlite [--acts N] [--seed S] [--body-scale X]\n", argv[0]);
        return 2;
    }
    struct stat st;
    if (stat(out.c_str(), &st) == 0) {
        std::fprintf(stderr, "%s exists already; not overwritten\n", out.c_str());
        return 1;
    }
    try {
        const synthetic::Figures f = synthetic::makeCatalogue(out, TARVENOR_SCHEMA_PATH, options);
        std::printf("%lld acts, %lld with diacritics in the title, %.1f MB of bodies\n", f.acts, f.actsWithDiacritics,
                    double(f.bodyBytes) / 1e6);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
