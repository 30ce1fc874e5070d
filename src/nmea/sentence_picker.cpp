#include "nmea/sentence_picker.h"

#include "nmea/sentence_catalogue.h"
#include "platform/port.h"
#include "toolkit/layout.h"
#include "toolkit/paths.h"
#include "toolkit/widget_create.h"

#include <vector>

namespace zor {

Widget pickerWindow;

namespace {

constexpr std::int32_t pickerWidth = 1180;
constexpr std::int32_t pickerHeight = 560;

// "nmea.txt" beside the executable; nothing is loaded when it cannot be opened.
void LoadCatalogueFile() {
    NarrowText directory;
    if (!exeDirectory(directory)) return;
    std::u16string path;
    for (const char* c = directory.c_str(); *c != '\0'; ++c)
        path += static_cast<char16_t>(static_cast<unsigned char>(*c));
    path += u"nmea.txt";
    platform::PortOpenResult file = platform::openFile(path.c_str(), platform::FileAccess::Read);
    if (!file.ok()) return;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    for (;;) {
        const platform::PortResult read = platform::readPort(file.handle, chunk, sizeof chunk);
        if (!read.ok() || read.count == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + read.count);
    }
    platform::closePort(file.handle);
    LoadCatalogue(sentenceCatalogue, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

} // namespace

void BuildSentencePicker() {
    createDialogWindow(pickerWindow, halfScreenWidth() - 590, halfScreenHeight() - 280, pickerWidth,
                       pickerHeight, u"NMEA0183 Sentence Picker");
    LoadCatalogueFile();
}

} // namespace zor
