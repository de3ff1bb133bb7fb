#include "output/xml_text.h"

#include <array>

namespace skitally {

std::string EscapeXmlText(std::string_view text)
{
    static constexpr std::array<std::string_view, 4> kEntities = {"&amp;", "&lt;", "&gt;", "&quot;"};
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        switch (text[i]) {
        case '&': {
            bool entity = false;
            for (std::string_view known : kEntities)
                entity = entity || rest.starts_with(known);
            escaped += entity ? "&" : "&amp;";
            break;
        }
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += text[i];
        }
    }
    return escaped;
}

std::string FilterNameText(std::string_view text)
{
    static constexpr std::string_view kEnDash = "\xE2\x80\x93";
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text.substr(i).starts_with(kEnDash)) {
            kept += kEnDash;
            i += kEnDash.size() - 1;
        } else if (byte >= 32 && byte <= 126 && byte != ',' && byte != '.') {
            kept += text[i];
        }
    }
    return kept;
}

void WriteXmlRawLine(XmlLines& xml, int indent, std::string_view line)
{
    if (!xml.missing.empty())
        return;
    xml.text += "\r\n";
    xml.text.append(static_cast<std::size_t>(indent), '\t');
    xml.text += line;
    ++xml.lineCount;
}

bool WriteXmlTagLine(XmlLines& xml, int indent, std::string_view name, std::string_view value)
{
    if (!xml.missing.empty())
        return false;
    if (value.empty()) {
        xml.missing = std::string(name);
        return false;
    }
    xml.text += "\r\n";
    xml.text.append(static_cast<std::size_t>(indent), '\t');
    xml.text += "<";
    xml.text += name;
    xml.text += ">";
    if (value != "TAG") {
        xml.text += value;
        xml.text += "</";
        xml.text += name;
        xml.text += ">";
    }
    ++xml.lineCount;
    return true;
}

} // namespace skitally
