// Fuzz target: the S.M.A.R.T. pages. The whole input is the data a disk
// returned, read as an ATA attribute table and as an NVMe health page, with
// both kinds of SATA disk. No reader may look past the data (bytes beyond it
// count as zero); the ATA report is empty exactly when the table is not
// valid, and the NVMe report always has the same rows.
#include "kv_smart.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const qsizetype nvmeLines = KV_SmartNvmeReport({}).count(QLatin1Char('\n'));
    // An exact copy, so that a read past the end is caught.
    const std::vector<uint8_t> page(data, data + size);
    const KV_SmartData span(page.data(), page.size());

    for (int kind = 0; kind < 3; ++kind) {
        KV_SmartInfo info;
        KV_SmartFillValues(info, span, kind == 0, kind == 2);
    }
    if (KV_SmartAtaReport(span).isEmpty() == KV_SmartAtaValid(span))
        __builtin_trap();
    if (KV_SmartNvmeReport(span).count(QLatin1Char('\n')) != nvmeLines)
        __builtin_trap();
    return 0;
}
