// variant-run VARIANT-FILE OUT-DIR
// Plays a teacher's variant as one whole student session through the program's own
// windows (on Qt's offscreen platform unless another platform is chosen) and writes
// what the student would see into OUT-DIR (first removing the files of an earlier run).
// Exit status: 0 done, 3 stopped on a fault of the data, 2 a bad variant file (nothing
// written), 1 any other failure.
#include <cstdio>
#include <string>

#include "variant_run/variant_session.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: variant-run VARIANT-FILE OUT-DIR\n", stderr);
    return rc::kVariantRunFailed;
  }
  const rc::VariantRunResult result =
      rc::RunVariantFile(argv[1], QString::fromLocal8Bit(argv[2]));
  if (!result.message.empty()) std::fprintf(stderr, "variant-run: %s\n", result.message.c_str());
  return result.status;
}
