// libFuzzer target for the update archive's extraction: the updater's own
// walk over the entries (names, folders, CRC) with minizip reading the fuzzed
// archive, writing into a scratch folder. No file may appear outside it, and
// a file is open only between Create and Finish.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/memory_archive.h"
#include "tests/fuzz/scratch_files.h"
#include "updater/zip_extraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::ScratchFolder scratch;
    {
        fuzz::MemoryArchive archive(data, size);
        if (archive.Get()) {
            fuzz::ScratchFiles files(scratch.Inside());
            const int result = updater::ExtractEntries(archive.Get(), fuzz::ScratchFiles::kFolder, files);
            if (result != 1 && result != -1) __builtin_trap();
        }
    }
    scratch.CheckAndEmpty();
    return 0;
}
