#include "render/theme_settings.h"

#include "platform/profile.h"

#include <string>

namespace zor {
namespace {

struct NamedColour {
    const char16_t* key;
    Argb Theme::*field;
};

// The order in which the keys are read and written.
constexpr NamedColour namedColours[] = {
    {u"ctawa", &Theme::ctawa}, {u"ctbg", &Theme::ctbg},   {u"ctbd", &Theme::ctbd},
    {u"ctbmd", &Theme::ctbmd}, {u"ctbmo", &Theme::ctbmo}, {u"ctbn", &Theme::ctbn},
    {u"ctcc", &Theme::ctcc},   {u"ctccd", &Theme::ctccd}, {u"ctebg", &Theme::ctebg},
    {u"ctfd", &Theme::ctfd},   {u"ctfmd", &Theme::ctfmd}, {u"ctfmo", &Theme::ctfmo},
    {u"ctfn", &Theme::ctfn},   {u"ctgc", &Theme::ctgc},   {u"ctol", &Theme::ctol},
    {u"ctold", &Theme::ctold}, {u"ctpub", &Theme::ctpub}, {u"ctsd", &Theme::ctsd},
    {u"ctsmd", &Theme::ctsmd}, {u"ctsn", &Theme::ctsn},   {u"cttd", &Theme::cttd},
    {u"cttmd", &Theme::cttmd}, {u"cttmo", &Theme::cttmo}, {u"cttn", &Theme::cttn},
    {u"cttbb", &Theme::cttbb},
};

struct NamedPalette {
    const char16_t* prefix;
    Palette Theme::*palette;
};

constexpr NamedPalette namedPalettes[] = {
    {u"ibmn", &Theme::imageNormal},
    {u"ibmm", &Theme::imageHover},
    {u"ibmd", &Theme::imageDisabled},
};

std::u16string paletteKey(const char16_t* prefix, std::int32_t entry) {
    std::u16string key = prefix;
    key += static_cast<char16_t>(u'0' + entry);
    return key;
}

// Colours travel as the signed reading of their 32-bit pattern.
std::int32_t asSigned(Argb colour) {
    return static_cast<std::int32_t>(colour);
}

Argb asColour(std::int32_t value) {
    return static_cast<Argb>(value);
}

void readColour(const char16_t* key, Argb& colour, const char16_t* file) {
    std::int32_t value = asSigned(colour);
    ReadIniInt(customThemeSection, key, value, file);
    colour = asColour(value);
}

} // namespace

void ReadIniInt(const char16_t* section, const char16_t* key, std::int32_t& value, const char16_t* file) {
    value = platform::profileReadInt(file, section, key, value);
}

void WriteIniInt(const char16_t* section, const char16_t* key, std::int32_t value, const char16_t* file) {
    const std::string digits = std::to_string(value);
    const std::u16string text(digits.begin(), digits.end());
    (void)platform::profileWriteString(file, section, key, text.c_str());
}

void ReadCustomTheme(Theme& target, const char16_t* file) {
    for (const NamedColour& named : namedColours)
        readColour(named.key, target.*named.field, file);
    for (std::int32_t i = 1; i <= 9; ++i)
        for (const NamedPalette& named : namedPalettes)
            readColour(paletteKey(named.prefix, i).c_str(), (target.*named.palette)[i], file);
}

void WriteCustomTheme(const Theme& source, const char16_t* file) {
    for (const NamedColour& named : namedColours)
        WriteIniInt(customThemeSection, named.key, asSigned(source.*named.field), file);
    for (std::int32_t i = 1; i <= 9; ++i)
        for (const NamedPalette& named : namedPalettes)
            WriteIniInt(customThemeSection, paletteKey(named.prefix, i).c_str(),
                        asSigned((source.*named.palette)[i]), file);
}

} // namespace zor
