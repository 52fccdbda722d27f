// Reading and writing a large console-like document with our XML library, and with pugixml and
// tinyxml2 on the same bytes in the same run. After the runs, each of our timings is printed as
// a ratio against pugixml's (the baseline) and tinyxml2's.
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

#include <pugixml.hpp>
#include <tinyxml2.h>

#include <cstdio>
#include <map>
#include <string>

#include "xml/xml_node.h"

namespace {

// About 10 MB: thousands of controls, each with its attributes and binding elements.
const std::string &ConsoleDocument()
{
    static const std::string document = [] {
        korvane::CXmlNode root("CSL2");
        root.AddAttributeInt("version", 2);
        root.AddAttribute("header", "Console & <test>");
        for (int i = 0; i < 14000; ++i) {
            korvane::CXmlNode *ctrl = root.AddChild("Ctrl");
            ctrl->AddAttributeInt("Type", i % 11);
            const char *names[] = {"Lock", "x", "y", "cx", "cy", "ctrl_x", "ctrl_y", "ImageCx", "ImageCy"};
            for (int n = 0; n < 9; ++n)
                ctrl->AddAttributeInt(names[n], (i * 7 + n * 13) % 1920);
            ctrl->AddAttribute("control_file_draw", "Fader_Blue.ccd");
            ctrl->AddAttributeInt("TextAlign", 1);
            ctrl->AddAttributeColor("colorTxt", korvane::MakeColorRef(255, 255, 255));
            ctrl->AddAttribute("sFontTxt", "Arial");
            ctrl->AddAttributeBool("bDrawCadre", i % 2);
            ctrl->AddAttributeColor("color", korvane::MakeColorRef(i % 256, 64, 32));
            for (int g = 0; g < 3; ++g) {
                korvane::CXmlNode *group = ctrl->AddChild("Group" + std::to_string(g));
                group->AddAttribute("label", "Chase \"" + std::to_string(i) + "\"");
                korvane::CXmlNode *midi = group->AddChild("MIDI");
                for (const char *key : {"command", "channel", "status", "FeedBack", "FeedBackRecieved", "OnValue",
                                        "OffValue", "OnCh", "OffCh"})
                    midi->AddAttributeInt(key, (i + g) % 128);
                korvane::CXmlNode *dmx = group->AddChild("DMX");
                dmx->AddAttributeInt("channel", (i * 3 + g) % 512);
                dmx->AddAttributeInt("univers", g);
            }
        }
        std::string bytes;
        korvane::SaveXmlString(bytes, root);
        return bytes;
    }();
    return document;
}

void BM_ParseKorvane(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    for (auto _ : state) {
        auto root = korvane::ParseXml(doc.data(), doc.size());
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_ParsePugixml(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    for (auto _ : state) {
        pugi::xml_document xml;
        benchmark::DoNotOptimize(xml.load_buffer(doc.data(), doc.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_ParseTinyxml2(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    for (auto _ : state) {
        tinyxml2::XMLDocument xml;
        benchmark::DoNotOptimize(xml.Parse(doc.data(), doc.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_WriteKorvane(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    const auto root = korvane::ParseXml(doc.data(), doc.size());
    for (auto _ : state) {
        std::string out;
        korvane::SaveXmlString(out, *root);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

struct StringWriter : pugi::xml_writer
{
    std::string out;
    void write(const void *data, size_t size) override { out.append(static_cast<const char *>(data), size); }
};

void BM_WritePugixml(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    pugi::xml_document xml;
    xml.load_buffer(doc.data(), doc.size());
    for (auto _ : state) {
        StringWriter writer;
        xml.save(writer, "  ", pugi::format_default | pugi::format_no_declaration);
        benchmark::DoNotOptimize(writer.out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_WriteTinyxml2(benchmark::State &state)
{
    const std::string &doc = ConsoleDocument();
    tinyxml2::XMLDocument xml;
    xml.Parse(doc.data(), doc.size());
    for (auto _ : state) {
        tinyxml2::XMLPrinter printer;
        xml.Print(&printer);
        benchmark::DoNotOptimize(printer.CStr());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

BENCHMARK(BM_ParseKorvane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePugixml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseTinyxml2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteKorvane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePugixml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTinyxml2)->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("document: %.1f MB\n", ConsoleDocument().size() / 1e6);
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_ParseKorvane", "BM_ParsePugixml");
    reporter.PrintRatio("BM_ParseKorvane", "BM_ParseTinyxml2");
    reporter.PrintRatio("BM_WriteKorvane", "BM_WritePugixml");
    reporter.PrintRatio("BM_WriteKorvane", "BM_WriteTinyxml2");
    benchmark::Shutdown();
    return 0;
}
