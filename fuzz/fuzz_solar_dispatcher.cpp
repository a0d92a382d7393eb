// Token lists from outside, sent to the solar library: one selector byte chooses the
// function code, whether the library and a plant were initialised first, and how the
// variants arrive; the rest (UTF-16LE) is the in text. The library works on a small user
// and library database written afresh for every input, so that what one input writes
// never grows into the next.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/text/TokenListe.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/text/Text.h"
#include "solar/SolarApp.h"
#include "solar/SolarSchnittstelle.h"

namespace {

namespace fs = std::filesystem;

// The library's boxes are answered without printing.
class StillerPresenter : public platform::MessageBoxPresenter {
  public:
    int present(const platform::MessageBoxRequest&) override { return platform::id::OK; }
};

const std::u16string kRecord20 = u"20#10#20#30#40#50#60#70#80#90#100#110#120#";
const std::u16string kRecord60 = u"60#5#10#15#20#25#30#35#40#45#50#55#60#";

void WriteUtf16(const fs::path& file, const std::vector<std::u16string>& lines) {
    std::u16string text = u"\uFEFF";
    for (const auto& l : lines) text += l + u"\n";
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return;
    for (char16_t c : text) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(c & 0xFF),
                                        static_cast<unsigned char>(c >> 8)};
        std::fwrite(bytes, 1, 2, f);
    }
    std::fclose(f);
}

struct Setup {
    Setup() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        folder = base / ("fuzz-solar-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        platform::setMessageBoxPresenter(&presenter);
        CResManager::setLang(CVRMString::fromUtf8(VARM_FUZZ_LANGUAGE_TABLE));
        // Any loaded module serves as the resource module.
        CVRMglobApp::Get().Init(platform::loadModule("libc.so.6"), nullptr, 0);
    }
    ~Setup() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    void Databases() {
        CVRMdatenProvider::remove();
        WriteUtf16(folder / "user.dat",
                   {u"[Koll]", u"KollErtrag0=" + kRecord20, u"KollErtrag1=" + kRecord60,
                    u"[Anlage]", u"SolKollBez=Koll", u"KFlaeche=4.000000",
                    u"SolarGewinnW0=45.00#12.50#", u"SolarGewinnW3=45.00#1.50#"});
        WriteUtf16(folder / "bibo.ini", {u"[StdCollector-Germany_(bib)]",
                                         u"KollErtrag0=" + kRecord20, u"KollErtrag1=" + kRecord60,
                                         u"[SolarKollektoren]", u"StdCollector-Germany_(bib)"});
        CVRMglobApp::Get().SetDatenDatei(CVRMString::fromUtf8((folder / "user.dat").string()));
        CVRMglobApp::Get().SetBiboDatei(CVRMString::fromUtf8((folder / "bibo.ini").string()), 0);
    }
    fs::path folder;
    StillerPresenter presenter;
};

volatile size_t sink = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Setup setup;
    if (size < 2) return 0;
    setup.Databases();
    static const int32_t codes[] = {11, 12, 13, 14, 15, 16, 17, 32, 36, 39, 40, 46, 49, 99, 0, -1};
    const uint8_t wahl = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    const CVRMString text(platform::fromUtf16LE(bytes));

    CVRMsolarApp app;
    platform::VARIANT in, out;
    platform::VariantInit(&in);
    platform::VariantInit(&out);
    if (wahl & 0x10) {
        vrmtoken::SetzeText(&in, u"4711§#§");
        vrmtoken::SetzeText(&out, u"");
        solar::DoSolarFunktion(app, 11, &in, &out);
        if (wahl & 0x20) {
            vrmtoken::SetzeText(&in, u"Anlage§#§");
            solar::DoSolarFunktion(app, 14, &in, &out);
        }
    }
    vrmtoken::SetzeText(&in, text);
    if (wahl & 0x40) platform::VariantClear(&out);  // out arrives as no text
    const int32_t code = codes[wahl & 0x0F];
    solar::DoSolarFunktion(app, static_cast<uint32_t>(code), (wahl & 0x80) ? nullptr : &in, &out);
    sink = sink + vrmtoken::TextVon(out).size();

    // The value exports with the same text as the name list and an id from the second byte.
    const auto id = static_cast<TKelvoDatenID>(data[1] % 64);
    CVRMVariant wert;
    if (solar::GetSolarenWert(app, &in, id, &wert)) solar::SetSolarenWert(app, &in, id, &wert, 0);
    platform::VariantClear(&in);
    platform::VariantClear(&out);
    return 0;
}
