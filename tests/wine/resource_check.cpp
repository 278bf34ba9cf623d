// resources PROGRAM TOOL: reads the resources of the built program file and
// checks them against what the converter needs: the target dialog's template
// field by field, the icon group, the manifest and the version information;
// and the clipboard tool's manifest. Prints one line per mismatch.
#include "winetool.h"

#include "resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace WINETOOL {
namespace {

struct CONTROLTEMPLATE {
    DWORD id;
    WORD classatom;
    const char* classname;
    short x, y, width, height;
    DWORD style;
    DWORD extended_style;
    const char* text;
};

const CONTROLTEMPLATE EXPECTEDCONTROLS[] = {
    {1001, 0x0083, "LISTBOX", 6, 29, 132, 56, 0x50010141, 0x00000200, ""},
    {1002, 0x0082, "STATIC", 6, 3, 132, 9, 0x50000000, 0, "Data in clipboard:  Event command(s)"},
    {1004, 0x0082, "STATIC", 6, 18, 72, 9, 0x50000000, 0, "Convert to:"},
    {1005, 0x0080, "BUTTON", 28, 90, 54, 13, 0x50010001, 0, "OK"},
    {1006, 0x0080, "BUTTON", 84, 90, 54, 13, 0x50010000, 0, "Cancel"},
};

int mismatches = 0;

void EXPECT(bool holds, const std::string& what) {
    if (holds) return;
    ++mismatches;
    std::printf("mismatch: %s\n", what.c_str());
}

std::string HEXNUMBER(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

// A forward reader over a DLGTEMPLATEEX.
class TEMPLATEREADER {
public:
    TEMPLATEREADER(const BYTE* bytes, DWORD size) : bytes_(bytes), size_(size) {}

    bool OVERRUN() const { return overrun_; }

    WORD WORD16() {
        WORD value = 0;
        TAKE(&value, 2);
        return value;
    }
    DWORD DWORD32() {
        DWORD value = 0;
        TAKE(&value, 4);
        return value;
    }
    short SHORT16() { return static_cast<short>(WORD16()); }
    BYTE BYTE8() {
        BYTE value = 0;
        TAKE(&value, 1);
        return value;
    }

    // A zero-terminated UTF-16 string of ASCII characters.
    std::string STRING16() {
        std::string text;
        for (WORD c = WORD16(); c != 0 && !overrun_; c = WORD16())
            text += static_cast<char>(c);
        return text;
    }

    // A name or an ordinal (0xFFFF and a number), as "#number" for ordinals.
    std::string NAMEORORDINAL() {
        const WORD first = WORD16();
        if (first == 0xFFFF) return "#" + std::to_string(WORD16());
        std::string text;
        for (WORD c = first; c != 0 && !overrun_; c = WORD16())
            text += static_cast<char>(c);
        return text;
    }

    void ALIGN4() { position_ = (position_ + 3) & ~DWORD{3}; }
    bool ATEND() const { return position_ == size_; }

private:
    void TAKE(void* out, DWORD count) {
        if (position_ + count > size_) {
            overrun_ = true;
            return;
        }
        std::memcpy(out, bytes_ + position_, count);
        position_ += count;
    }

    const BYTE* bytes_;
    DWORD size_;
    DWORD position_ = 0;
    bool overrun_ = false;
};

std::string RESOURCEBYTES(HMODULE module, LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

void CHECKDIALOG(HMODULE module) {
    const std::string bytes =
        RESOURCEBYTES(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_TARGET));
    EXPECT(!bytes.empty(), "dialog 1000 is present");
    TEMPLATEREADER reader(reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
    EXPECT(reader.WORD16() == 1, "template version 1");
    EXPECT(reader.WORD16() == 0xFFFF, "extended template signature");
    EXPECT(reader.DWORD32() == 0, "dialog help id 0");
    const DWORD extended_style = reader.DWORD32();
    EXPECT(extended_style == 0x00000001, "dialog extended style " + HEXNUMBER(extended_style));
    const DWORD style = reader.DWORD32();
    EXPECT(style == 0x10C808C0, "dialog style " + HEXNUMBER(style));
    const WORD controls = reader.WORD16();
    EXPECT(controls == 5, "5 controls, not " + std::to_string(controls));
    const short x = reader.SHORT16(), y = reader.SHORT16();
    const short width = reader.SHORT16(), height = reader.SHORT16();
    EXPECT(x == 6 && y == 6 && width == 144 && height == 108, "dialog position and size");
    EXPECT(reader.NAMEORORDINAL().empty(), "no menu");
    EXPECT(reader.NAMEORORDINAL().empty(), "standard dialog class");
    EXPECT(reader.STRING16() == "Pagewright", "caption");
    EXPECT(reader.WORD16() == 8, "8-point font");
    EXPECT(reader.WORD16() == 0, "font weight 0");
    EXPECT(reader.BYTE8() == 0, "font not italic");
    EXPECT(reader.BYTE8() == 0, "font character set 0");
    EXPECT(reader.STRING16() == "MS Sans Serif", "font MS Sans Serif");

    for (WORD i = 0; i < controls && i < std::size(EXPECTEDCONTROLS) && !reader.OVERRUN(); ++i) {
        const CONTROLTEMPLATE& expected = EXPECTEDCONTROLS[i];
        const std::string which = "control " + std::to_string(i + 1) + " ";
        reader.ALIGN4();
        EXPECT(reader.DWORD32() == 0, which + "help id 0");
        const DWORD control_extended = reader.DWORD32();
        EXPECT(control_extended == expected.extended_style,
               which + "extended style " + HEXNUMBER(control_extended));
        const DWORD control_style = reader.DWORD32();
        EXPECT(control_style == expected.style, which + "style " + HEXNUMBER(control_style));
        const short cx = reader.SHORT16(), cy = reader.SHORT16();
        const short cwidth = reader.SHORT16(), cheight = reader.SHORT16();
        EXPECT(cx == expected.x && cy == expected.y && cwidth == expected.width &&
                   cheight == expected.height,
               which + "position and size");
        EXPECT(reader.DWORD32() == expected.id, which + "id " + std::to_string(expected.id));
        const std::string windowclass = reader.NAMEORORDINAL();
        EXPECT(windowclass == "#" + std::to_string(expected.classatom) ||
                   lstrcmpiA(windowclass.c_str(), expected.classname) == 0,
               which + "class " + expected.classname + ", not " + windowclass);
        EXPECT(reader.NAMEORORDINAL() == expected.text, which + "text " + expected.text);
        EXPECT(reader.WORD16() == 0, which + "without creation data");
    }
    EXPECT(!reader.OVERRUN() && reader.ATEND(), "template ends after the last control");
}

void CHECKICON(HMODULE module) {
    const std::string group =
        RESOURCEBYTES(module, MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(IDI_PAGEWRIGHT));
    EXPECT(group.size() >= 6, "icon group 100 is present");
    if (group.size() < 6) return;
    const WORD images = static_cast<BYTE>(group[4]) | static_cast<BYTE>(group[5]) << 8;
    EXPECT(images == 6 && group.size() == 6 + 14u * images, "icon group of six images");
    std::vector<int> sides;
    for (WORD i = 0; i < images && 6 + 14u * (i + 1) <= group.size(); ++i) {
        const int side = static_cast<BYTE>(group[6 + 14 * i]);
        sides.push_back(side == 0 ? 256 : side);
    }
    EXPECT(sides == std::vector<int>{16, 24, 32, 48, 64, 256}, "icons of 16 to 256 pixels");
}

std::string MANIFESTOF(HMODULE module) {
    return RESOURCEBYTES(module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
}

// The processor a manifest must name: the program file's own.
std::string PROCESSOROF(const std::string& file) {
    DWORD kind = 0;
    if (!GetBinaryTypeA(file.c_str(), &kind)) return "unknown";
    return kind == SCS_64BIT_BINARY ? "amd64" : "x86";
}

// Every processor that the manifest names, and it names at least one.
void CHECKPROCESSORS(const std::string& manifest, const std::string& processor,
                     const std::string& which) {
    const std::string attribute = "processorArchitecture=\"";
    int named = 0;
    for (auto at = manifest.find(attribute); at != std::string::npos;
         at = manifest.find(attribute, at + 1)) {
        ++named;
        const std::string value = manifest.substr(at + attribute.size(), processor.size() + 1);
        EXPECT(value == processor + "\"", which + " manifest names processor " + processor);
    }
    EXPECT(named > 0, which + " manifest names a processor");
}

void CHECKMANIFEST(HMODULE module, const std::string& processor) {
    const std::string manifest = MANIFESTOF(module);
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "publicKeyToken=\"6595b64144ccf1df\""}) {
        EXPECT(manifest.find(part) != std::string::npos, std::string("manifest has ") + part);
    }
    CHECKPROCESSORS(manifest, processor, "the converter's");
}

// The declarations as the system's own manifest reader takes them, so that a
// misspelt element or a wrong namespace, which Windows silently ignores, counts
// as missing.
class ACTIVATIONCONTEXT {
public:
    explicit ACTIVATIONCONTEXT(const std::string& program) {
        ACTCTXA request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = program.c_str();
        request.lpResourceName = MAKEINTRESOURCEA(1);
        context_ = CreateActCtxA(&request);
    }
    ~ACTIVATIONCONTEXT() {
        if (VALID()) ReleaseActCtx(context_);
    }
    ACTIVATIONCONTEXT(const ACTIVATIONCONTEXT&) = delete;
    ACTIVATIONCONTEXT& operator=(const ACTIVATIONCONTEXT&) = delete;

    bool VALID() const { return context_ != INVALID_HANDLE_VALUE; }

    // The bytes of one class of information, empty when there are none.
    std::string INFORMATION(ULONG which) const {
        SIZE_T size = 0;
        QueryActCtxW(0, context_, nullptr, which, nullptr, 0, &size);
        std::string bytes(size, '\0');
        if (size == 0 || !QueryActCtxW(0, context_, nullptr, which, bytes.data(), size, &size)) {
            return {};
        }
        return bytes;
    }

    std::wstring SETTING(const wchar_t* space, const wchar_t* name) const {
        wchar_t value[64] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, context_, space, name, value, std::size(value), &written)) {
            return {};
        }
        return value;
    }

private:
    HANDLE context_;
};

// Vista, 7, 8, 8.1 and 10/11, in this order.
const GUID SUPPORTEDOS[] = {
    {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}},
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

// What both programs declare: the user's own rights and the Windows versions.
void CHECKRIGHTSANDVERSIONS(const ACTIVATIONCONTEXT& context, const std::string& which) {
    const std::string level = context.INFORMATION(RunlevelInformationInActivationContext);
    const auto* run =
        reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(level.data());
    EXPECT(level.size() >= sizeof *run && run->RunLevel == ACTCTX_RUN_LEVEL_AS_INVOKER &&
               run->UiAccess == 0,
           which + " runs as invoker");

    // An element count, then GUID and type per element; newer systems (Wine
    // among them) add a 64-bit tested version to each element, which also
    // aligns the list to 8 bytes.
    const std::string found = context.INFORMATION(CompatibilityInformationInActivationContext);
    DWORD count = 0;
    if (found.size() >= sizeof count) std::memcpy(&count, found.data(), sizeof count);
    const bool tested = count > 0 && found.size() == 8 + 32u * count;
    const std::size_t first = tested ? 8 : 4, stride = tested ? 32 : 20;
    std::vector<GUID> systems;
    for (DWORD i = 0; i < count && first + (i + 1) * stride <= found.size(); ++i) {
        COMPATIBILITY_CONTEXT_ELEMENT element;
        std::memcpy(&element, found.data() + first + i * stride, sizeof element);
        if (element.Type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) systems.push_back(element.Id);
    }
    EXPECT(systems.size() == std::size(SUPPORTEDOS) &&
               std::equal(systems.begin(), systems.end(), std::begin(SUPPORTEDOS),
                          [](const GUID& a, const GUID& b) { return IsEqualGUID(a, b) != 0; }),
           which + " supports Vista, 7, 8, 8.1 and 10, not " + std::to_string(systems.size()) +
               " systems");
}

// The system looks the common controls that the converter's manifest asks for
// up among its side-by-side assemblies of that processor. A Wine prefix on a
// machine that cannot run 32-bit programs holds none for x86.
bool HASCOMMONCONTROLS(const std::string& processor) {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::string pattern =
        std::string(windows) + "\\winsxs\\manifests\\" + processor +
        "_microsoft.windows.common-controls_6595b64144ccf1df_6.0.*.manifest";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

void CHECKCONVERTERDECLARATIONS(const std::string& program) {
    const ACTIVATIONCONTEXT converter(program);
    EXPECT(converter.VALID(), "the converter's manifest reads as an activation context");
    if (!converter.VALID()) return;
    CHECKRIGHTSANDVERSIONS(converter, "the converter");
    EXPECT(converter.SETTING(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                             L"dpiAwareness") == L"PerMonitorV2, PerMonitor",
           "the converter is aware of each monitor's DPI");
    EXPECT(converter.SETTING(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                             L"dpiAware") == L"true/pm",
           "the converter is DPI aware on Windows before 10");
}

void CHECKDECLARATIONS(const std::string& program, const std::string& tool,
                       const std::string& processor) {
    if (HASCOMMONCONTROLS(processor)) {
        CHECKCONVERTERDECLARATIONS(program);
    } else {
        std::printf("not read: the converter's declarations, as this system holds no %s common "
                    "controls for its manifest to name\n",
                    processor.c_str());
    }
    const ACTIVATIONCONTEXT clipboard_tool(tool);
    EXPECT(clipboard_tool.VALID(), "the clipboard tool's manifest reads as an activation context");
    if (clipboard_tool.VALID()) CHECKRIGHTSANDVERSIONS(clipboard_tool, "the clipboard tool");
}

void CHECKVERSION(const std::string& program) {
    DWORD handle = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(program.c_str(), &handle));
    EXPECT(!data.empty() && GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(data.size()),
                                                data.data()),
           "version information is present");
    if (data.empty()) return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    EXPECT(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) &&
               fixed->dwFileVersionMS ==
                   (PAGEWRIGHT_VERSION_MAJOR << 16 | PAGEWRIGHT_VERSION_MINOR) &&
               fixed->dwFileVersionLS == 0,
           "file version " PAGEWRIGHT_FILE_VERSION);
    for (const auto& [key, value] :
         {std::pair{"ProductName", "Pagewright"}, std::pair{"FileVersion", PAGEWRIGHT_FILE_VERSION},
          std::pair{"ProductVersion", PAGEWRIGHT_VERSION}}) {
        char* text = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
        EXPECT(
            VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) &&
                std::string(text) == value,
            std::string(key) + " " + value);
    }
}

} // namespace

int CHECKRESOURCES(const std::string& program, const std::string& tool) {
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return FAIL("cannot load " + program);
    const std::string processor = PROCESSOROF(program);
    CHECKDIALOG(module);
    CHECKICON(module);
    CHECKMANIFEST(module, processor);
    FreeLibrary(module);
    HMODULE toolmodule = LoadLibraryExA(tool.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!toolmodule) return FAIL("cannot load " + tool);
    EXPECT(PROCESSOROF(tool) == processor, "both programs are built for " + processor);
    CHECKPROCESSORS(MANIFESTOF(toolmodule), processor, "the clipboard tool's");
    FreeLibrary(toolmodule);
    CHECKVERSION(program);
    CHECKDECLARATIONS(program, tool, processor);
    std::printf("%s programs: %d mismatches\n", processor.c_str(), mismatches);
    return mismatches == 0 ? 0 : 1;
}

} // namespace WINETOOL
