// Round-trip fuzzing: the input's bytes decide a configuration that the kernel files can carry; writing it
// and analysing the texts back must give the same configuration with no warning, and the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "doc.h"
#include "fuzz_common.h"
#include "load_analysis.h"
#include "roundtrip_config.h"
#include "writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider bytes(data, size);
    auto pick = [&bytes](int lo, int hi) { return bytes.ConsumeIntegralInRange<int>(lo, hi); };
    const int type = pick(0, 30);
    const std::vector<int> modes = roundtrip::ModesOf(type);
    const int mode = modes[static_cast<std::size_t>(pick(0, static_cast<int>(modes.size()) - 1))];

    static CQuorvaneConfiguratorDoc* source = new CQuorvaneConfiguratorDoc(fuzzcheck::Folder());
    static CQuorvaneConfiguratorDoc* loaded = new CQuorvaneConfiguratorDoc(fuzzcheck::Folder());
    fuzzcheck::ClearKernelPart(source->m_confInfo);
    roundtrip::BuildConfig(pick, type, mode, source->m_confInfo);

    const KernelFileTexts texts = MakeKernelFileTexts(source->m_confInfo, 2026, 12, 7);
    fuzzcheck::ClearKernelPart(loaded->m_confInfo);
    const std::vector<LoadWarning> warnings = AnalyzeLoadedTexts(*loaded, texts.config, texts.def, texts.kinit);
    if (!warnings.empty()) fuzzcheck::Fail("warning on a written configuration", warnings.front().messageId);
    const std::vector<std::string> diff = roundtrip::Differences(source->m_confInfo, loaded->m_confInfo);
    if (!diff.empty()) {
        std::fprintf(stderr, "differs after the round trip: %s\n", diff.front().c_str());
        std::abort();
    }
    const KernelFileTexts again = MakeKernelFileTexts(loaded->m_confInfo, 2026, 12, 7);
    if (again.config != texts.config || again.def != texts.def || again.kinit != texts.kinit) {
        fuzzcheck::Fail("different bytes when written again", type);
    }
    fuzzcheck::CheckKernelPart(loaded->m_confInfo);
    return 0;
}
