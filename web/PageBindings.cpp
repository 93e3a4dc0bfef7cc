// The main window's pages for the web page's script: texts in, texts out.
// The script shows what these return and never reads a number itself.
#include <emscripten/bind.h>

#include <ctime>
#include <string>

#include "tables/MainPages.h"
#include "tables/PrintedOn.h"
#include "web/PageState.h"

namespace tachoria {
namespace {

// What the page holds between events, with the calls its script makes.
// An unknown page, box, list or button changes nothing and gives "".
class WebPages {
public:
    explicit WebPages(const std::string& decimalSeparator) : pages_(decimalSeparator) {}

    std::string State(const std::string& page) const {
        const auto which = PageNamed(page);
        return which ? PageStateJson(pages_, *which) : std::string();
    }
    std::string Type(const std::string& page, const std::string& box, const std::string& text) {
        return pages_.Type(box, text) ? State(page) : std::string();
    }
    std::string Choose(const std::string& list, const std::string& item) {
        pages_.Choose(list, item);
        return State("stock");
    }
    std::string Press(const std::string& page, const std::string& button) {
        return pages_.Press(button) ? State(page) : std::string();
    }
    std::string CopyText(const std::string& page) const { return Text(page, &MainPages::CopyText); }
    std::string CsvText(const std::string& page) const { return Text(page, &MainPages::CsvText); }
    std::string CsvFileName(const std::string& page) const {
        return Text(page, &MainPages::CsvFileName);
    }
    std::string PrintTitle(const std::string& page) const {
        return Text(page, &MainPages::PrintTitle);
    }
    static std::string PrintedToday() {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (localtime_r(&now, &local) == nullptr) {
            return {};
        }
        return PrintedOn(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    }

private:
    std::string Text(const std::string& page,
                     std::string (MainPages::*text)(TablePage) const) const {
        const auto which = PageNamed(page);
        return which ? (pages_.*text)(*which) : std::string();
    }
    MainPages pages_;
};

}  // namespace
}  // namespace tachoria

EMSCRIPTEN_BINDINGS(tachoria_pages) {
    using tachoria::WebPages;
    emscripten::class_<WebPages>("Pages")
        .constructor<const std::string&>()
        .function("state", &WebPages::State)
        .function("type", &WebPages::Type)
        .function("choose", &WebPages::Choose)
        .function("press", &WebPages::Press)
        .function("copyText", &WebPages::CopyText)
        .function("csvText", &WebPages::CsvText)
        .function("csvFileName", &WebPages::CsvFileName)
        .function("printTitle", &WebPages::PrintTitle)
        .class_function("printedToday", &WebPages::PrintedToday);
}
