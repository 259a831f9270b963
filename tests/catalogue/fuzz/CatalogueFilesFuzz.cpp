// Arbitrary bytes as each of the user's catalogue files, read and merged by
// the programs' own entry point (a later line of a name replaces the earlier
// one in its place). Every problem must be one line of printable text naming
// its file, every entry must write a line that reads back as itself, and the
// fields it fills must stay short numbers. The merge starts from no entries:
// copying the built-in ones for every input would slow the search tenfold.

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "EntryLines.h"
#include "FieldTexts.h"
#include "FuzzRunFolder.h"
#include "UserFiles.h"

namespace {

namespace fs = std::filesystem;
using namespace transcalc;
using namespace transcalc::catalogue;

using fuzz::Require;
using fuzz::RunFolder;

const fs::path& Folder() {
    static const RunFolder folder;
    return folder.Path();
}

constexpr std::string_view kFiles[] = {kCoresFile, kMaterialsFile, kWiresFile};

// What the error box and standard error show: a line without control
// characters (C0, DEL, C1) or byte order marks, naming one of the files.
bool ShowsAsOneLine(std::string_view message) {
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const auto next = i + 1 < message.size() ? static_cast<unsigned char>(message[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next < 0xA0)) {
            return false;
        }
    }
    return message.find("\xEF\xBB\xBF") == std::string_view::npos &&
           std::any_of(std::begin(kFiles), std::end(kFiles), [&](std::string_view file) {
               return message.starts_with((Folder() / file).string() + ":");
           });
}

// Each entry written as a line and read back.
template <typename Entry, typename Read, typename Write>
void ReadBack(const std::vector<Entry>& entries, Read read, Write write) {
    for (const Entry& entry : entries) {
        const std::string line = write(entry);
        Messages messages;
        const std::vector<Entry> again = read(line, "again.tsv", messages);
        Require(messages.empty() && again.size() == 1 && write(again[0]) == line);
    }
}

// A field the catalogue fills shows its whole number.
void Short(const std::vector<FieldText>& texts) {
    for (const FieldText& text : texts) {
        Require(!text.text.empty() && text.text.size() <= 8);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::string_view file : kFiles) {
        std::ofstream(Folder() / file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Catalogue catalogue;
    AddUserFiles(catalogue, Folder());

    for (const std::string& message : catalogue.messages) {
        Require(ShowsAsOneLine(message));
    }
    ReadBack(catalogue.cores, ReadCores, CoreLine);
    ReadBack(catalogue.materials, ReadMaterials, MaterialLine);
    ReadBack(catalogue.wires, ReadWires, WireLine);
    for (const Core& core : catalogue.cores) {
        Short(CoreFieldTexts(core, ","));
    }
    for (const transcalc::Material& material : catalogue.materials) {
        Short(MaterialFieldTexts(material, ","));
    }
    return 0;
}
