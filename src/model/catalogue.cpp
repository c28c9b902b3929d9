#include "model/catalogue.h"

#include <algorithm>
#include <tuple>

namespace zan::catalogue {

namespace {

// The one process-wide choice, like the C library's locale: set once at start-up by the
// desktop program or the web page, never by zan-report.
const Language* g_inForce = nullptr;

const Language* find(std::string_view code) {
    for (const Language& l : languages())
        if (l.code == code)
            return &l;
    return nullptr;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The language part of a tag: "es" of "es_MX.UTF-8", "es-419" or "es@euro".
std::string lowerLanguagePart(std::string_view tag) {
    std::string code;
    for (const char c : tag) {
        if (c == '_' || c == '-' || c == '.' || c == '@')
            break;
        code += lower(c);
    }
    return code;
}

}  // namespace

std::string_view matchLanguage(std::string_view tag) {
    const Language* l = find(lowerLanguagePart(tag));
    return l ? l->code : std::string_view{};
}

std::string_view languageFromEnvironment(std::string_view languageList, std::string_view lcAll,
                                         std::string_view lang) {
    for (const std::string_view value : {languageList, lcAll, lang}) {
        if (value.empty())
            continue;
        for (std::size_t begin = 0; begin <= value.size();) {
            const std::size_t end = std::min(value.find(':', begin), value.size());
            if (const std::string_view code = matchLanguage(value.substr(begin, end - begin));
                !code.empty())
                return code;
            begin = end + 1;
        }
        return kSourceLanguage;
    }
    return kSourceLanguage;
}

bool setLanguage(std::string_view code) {
    const Language* l = find(code);
    if (l)
        g_inForce = l;
    return l != nullptr;
}

void useLanguage(const Language& language) {
    g_inForce = &language;
}

std::string_view language() {
    return g_inForce ? g_inForce->code : kSourceLanguage;
}

std::string translate(std::string_view context, std::string_view source) {
    return std::string(g_inForce ? lookUp(*g_inForce, context, source) : source);
}

std::string translateTo(std::string_view code, std::string_view context, std::string_view source) {
    const Language* l = find(code);
    return std::string(l ? lookUp(*l, context, source) : source);
}

std::string_view lookUp(const Language& language, std::string_view context,
                        std::string_view source) {
    const auto key = std::tie(context, source);
    const auto at = std::lower_bound(
        language.entries.begin(), language.entries.end(), key,
        [](const Entry& e, const auto& k) { return std::tie(e.context, e.source) < k; });
    if (at == language.entries.end() || at->context != context || at->source != source)
        return source;
    return at->translation;
}

std::string arg(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < arguments.size()) {
            out += *(arguments.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace zan::catalogue
