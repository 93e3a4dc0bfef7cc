// The page's state for its script: texts in, texts out. The script shows
// what these return and never reads a number itself. One object holds the
// main window's pages and the two tool views, so that a tool view first
// opened starts from the same main page's inputs, as the desktop's do.
#include <emscripten/bind.h>

#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tables/MainPages.h"
#include "tables/PrintedOn.h"
#include "web/Address.h"
#include "web/ComparisonState.h"
#include "web/MainAddress.h"
#include "web/PageState.h"
#include "web/QuestionsState.h"

namespace tachoria {
namespace {

// A list of texts for the script, as JSON.
std::string TextsJson(const std::vector<std::string>& texts) {
    return nlohmann::json(texts).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The press a main page's table stands for in its address: "rpm" or
// "mph", and "" once an input has changed since.
std::string PressedGet(const std::string& button) {
    return button.find("RPM") != std::string::npos ? "rpm" : "mph";
}

// What the page holds between events, with the calls its script makes.
// An unknown page, box, list or button changes nothing and gives "".
class WebPages {
public:
    explicit WebPages(const std::string& decimalSeparator)
        : point_(decimalSeparator == "," ? "," : "."),
          pages_(std::make_unique<MainPages>(point_)),
          comparison_(point_),
          questions_(point_) {}

    std::string State(const std::string& page) const {
        const auto which = PageNamed(page);
        return which ? PageStateJson(*pages_, *which) : std::string();
    }
    std::string Type(const std::string& page, const std::string& box, const std::string& text) {
        if (!pages_->Type(box, text)) {
            return {};
        }
        Changed(page);
        return State(page);
    }
    std::string Choose(const std::string& list, const std::string& item) {
        pages_->Choose(list, item);
        Changed("stock");
        return State("stock");
    }
    std::string Press(const std::string& page, const std::string& button) {
        if (!pages_->Press(button)) {
            return {};
        }
        (page == "stock" ? stockGet_ : genericGet_) = PressedGet(button);
        return State(page);
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

    // A main page's address: "get" while its table stands for a press.
    std::string MainAddressOf(const std::string& page) const {
        const auto which = PageNamed(page);
        if (!which) {
            return {};
        }
        return MainPageAddress(*pages_, *which, page == "stock" ? stockGet_ : genericGet_, point_);
    }

    // The comparison: started from a main page, typed and picked by the
    // names of tachoria-cli compare's options.
    void CompareFill(const std::string& page) {
        if (const auto which = PageNamed(page)) {
            comparison_.Fill(*pages_, *which);
        }
    }
    std::string CompareJson() const { return comparison_.Json(); }
    std::string CompareSet(const std::string& name, const std::string& text) {
        return comparison_.SetField(name, text) ? CompareJson() : std::string();
    }
    std::string CompareGearCount(const std::string& side, int count) {
        return comparison_.SetGearCount(side, count) ? CompareJson() : std::string();
    }
    std::string ComparePick(const std::string& picker, const std::string& entry) {
        return comparison_.Pick(picker, entry) ? CompareJson() : std::string();
    }
    std::string CompareEntries(const std::string& picker) const {
        return TextsJson(comparison_.PickerEntries(picker));
    }
    std::string CompareReadout(double fraction) const { return comparison_.ReadoutJson(fraction); }

    // The questions: started from a main page, by tachoria-cli solve's
    // question and option names.
    void QuestionsFill(const std::string& page) {
        if (const auto which = PageNamed(page)) {
            questions_.Fill(*pages_, *which);
        }
    }
    std::string QuestionsJson() const { return questions_.Json(); }
    std::string QuestionSet(const std::string& question, const std::string& field,
                            const std::string& text) {
        return questions_.SetField(question, field, text) ? QuestionsJson() : std::string();
    }
    std::string QuestionPick(const std::string& question, const std::string& picker,
                             const std::string& entry) {
        return questions_.Pick(question, picker, entry) ? QuestionsJson() : std::string();
    }

    // Opens an address on its view as the user would have set it up:
    // {"view": the view opened or "", "question": for a question's view,
    // "said": the lines for the page's alert}.
    std::string OpenAddress(const std::string& text) {
        const Address address = ReadAddress(text);
        std::vector<std::string> said;
        if (const std::string ignored = address.IgnoredLine(); !ignored.empty()) {
            said.push_back(ignored);
        }
        std::vector<std::string> opened;
        std::string question;
        if (address.view == "stock" || address.view == "generic") {
            // The other page keeps what the user had typed.
            const bool stock = address.view == "stock";
            auto fresh = std::make_unique<MainPages>(point_);
            for (const std::string_view box :
                 stock ? std::vector<std::string_view>{"TireBox", "DiffBox", "TransBox"}
                       : std::vector<std::string_view>{}) {
                fresh->Type(box, pages_->BoxText(box));
            }
            if (!stock) {
                for (const std::string_view list : {"StockModel", "StockYear", "StockDiff"}) {
                    fresh->Choose(list, pages_->ListNamed(list)->text);
                }
                fresh->Type("StockTire", pages_->BoxText("StockTire"));
            }
            pages_ = std::move(fresh);
            opened = OpenMainAddress(*pages_, address, point_);
            const std::string* get = address.Find("get");
            // The other page's table went with the old pages: its press too.
            genericGet_.clear();
            stockGet_.clear();
            std::string& kept = stock ? stockGet_ : genericGet_;
            if (get != nullptr && (*get == "rpm" || *get == "mph")) {
                kept = *get;
            }
        } else if (address.view == "compare") {
            opened = comparison_.Open(address);
        } else if (address.view.starts_with("solve-")) {
            opened = questions_.Open(address);
            question = address.view.substr(6);
        }
        said.insert(said.end(), opened.begin(), opened.end());
        nlohmann::json json = {{"view", address.view}, {"question", question}, {"said", said}};
        return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

private:
    void Changed(const std::string& page) { (page == "stock" ? stockGet_ : genericGet_).clear(); }
    std::string Text(const std::string& page,
                     std::string (MainPages::*text)(TablePage) const) const {
        const auto which = PageNamed(page);
        return which ? (pages_.get()->*text)(*which) : std::string();
    }
    std::string point_;
    std::unique_ptr<MainPages> pages_;
    ComparisonState comparison_;
    QuestionsState questions_;
    std::string genericGet_;
    std::string stockGet_;
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
        .function("mainAddress", &WebPages::MainAddressOf)
        .function("compareFill", &WebPages::CompareFill)
        .function("compareJson", &WebPages::CompareJson)
        .function("compareSet", &WebPages::CompareSet)
        .function("compareGearCount", &WebPages::CompareGearCount)
        .function("comparePick", &WebPages::ComparePick)
        .function("compareEntries", &WebPages::CompareEntries)
        .function("compareReadout", &WebPages::CompareReadout)
        .function("questionsFill", &WebPages::QuestionsFill)
        .function("questionsJson", &WebPages::QuestionsJson)
        .function("questionSet", &WebPages::QuestionSet)
        .function("questionPick", &WebPages::QuestionPick)
        .function("openAddress", &WebPages::OpenAddress)
        .class_function("printedToday", &WebPages::PrintedToday);
}
