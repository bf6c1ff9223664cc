#include "tests/pe/pe_tools.h"

#include <stdexcept>

namespace taverel::pe {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("malformed version resource: " + what);
}

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    std::uint16_t U16(std::size_t at) const {
        if (at > data_.size() || data_.size() - at < 2)
            Fail("read past the end at offset " + std::to_string(at));
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }

    std::u16string Utf16(std::size_t at, std::size_t end, std::size_t* after) const {
        std::u16string text;
        for (; at + 2 <= end && U16(at) != 0; at += 2)
            text.push_back(static_cast<char16_t>(U16(at)));
        if (at + 2 > end)
            Fail("unterminated text");
        *after = at + 2;
        return text;
    }

    // One node of the tree (VS_VERSION_INFO > StringFileInfo > table > string,
    // VS_VERSION_INFO > VarFileInfo > Translation): length, value length,
    // type (1 = text), key, padding to 4 bytes, value, padding, children.
    std::size_t Node(std::size_t at, std::size_t end, const std::vector<std::u16string>& path,
                     VersionInfo& version) const {
        const std::size_t length = U16(at);
        if (length < 6 || length > end - at)
            Fail("bad node length");
        const std::size_t node_end = at + length;
        const auto align = [](std::size_t offset) { return (offset + 3) & ~std::size_t{3}; };
        const bool text = U16(at + 4) == 1;
        std::size_t after_key = 0;
        const std::u16string key = Utf16(at + 6, node_end, &after_key);
        const std::size_t value = align(after_key);
        const std::size_t value_bytes = U16(at + 2) * (text ? 2u : 1u);
        if (value_bytes > 0 && value + value_bytes > node_end)
            Fail("value past its node");
        if (path.empty()) {
            if (value_bytes < 52 || U32(value) != 0xFEEF04BD)
                Fail("no fixed file information");
            for (int i = 0; i < 2; ++i) {
                std::uint16_t* target = i == 0 ? version.file_version : version.product_version;
                const std::size_t ms = value + 8 + 8u * i;
                target[0] = static_cast<std::uint16_t>(U32(ms) >> 16);
                target[1] = U16(ms);
                target[2] = static_cast<std::uint16_t>(U32(ms + 4) >> 16);
                target[3] = U16(ms + 4);
            }
        } else if (path.size() == 3 && path[1] == u"StringFileInfo" && text) {
            std::size_t unused = 0;
            version.strings[path[2]][key] =
                value_bytes ? Utf16(value, value + value_bytes, &unused) : std::u16string();
        } else if (path.size() == 2 && path[1] == u"VarFileInfo" && key == u"Translation") {
            for (std::size_t i = 0; i + 2 <= value_bytes; i += 2)
                version.translations.push_back(U16(value + i));
        }
        std::vector<std::u16string> child_path = path;
        child_path.push_back(key);
        for (std::size_t child = align(value + value_bytes); child < node_end;)
            child = align(child + Node(child, node_end, child_path, version));
        return length;
    }

private:
    const std::vector<std::uint8_t>& data_;
};

}  // namespace

VersionInfo ReadVersionResource(const std::vector<std::uint8_t>& block) {
    VersionInfo version;
    Reader(block).Node(0, block.size(), {}, version);
    return version;
}

}  // namespace taverel::pe
