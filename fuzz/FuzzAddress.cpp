// Page addresses of any bytes: read without failing, every text kept valid
// UTF-8 and bounded, opened on the view they name, and what opens written
// back as an address that opens the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ReadJson.h"
#include "web/Address.h"
#include "web/ComparisonState.h"
#include "web/MainAddress.h"
#include "web/QuestionsState.h"

namespace {

using namespace tachoria;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Valid(const std::string& text) { return ValidUtf8(text) == text; }

void CheckRead(const Address& address) {
    const auto known = ViewOptions(address.view);
    Check(address.view.empty() || known.has_value());
    for (const AddressOption& option : address.options) {
        Check(Valid(option.name) && Valid(option.value));
        Check(option.name != "format");
    }
    Check(address.unknownOptions.size() <= 10);
    const std::string line = address.IgnoredLine();
    Check(Valid(line) && line.size() < 1000);
}

// The state's JSON parses, and its address opens the same state again.
template <typename State, typename Written>
void CheckReopened(const State& state, const std::string& json, const Written& written,
                   std::string_view point) {
    Check(!testing::ReadJson(json).is_discarded());
    const std::string address = written(state);
    if (address.size() > kAddressLimit) {
        return;  // cut when read: it cannot come back whole
    }
    State again(point);
    again.Open(ReadAddress(address));
    Check(written(again) == address);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view point = (data[0] & 1) != 0 ? "," : ".";
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string valid = ValidUtf8(text);
    Check(DecodeComponent(EncodeComponent(valid)) == valid);

    const Address address = ReadAddress(text);
    CheckRead(address);
    if (address.view == "compare") {
        ComparisonState state(point);
        state.Open(address);
        CheckReopened(
            state, state.Json(), [](const ComparisonState& s) { return s.AddressText(); }, point);
        Check(!testing::ReadJson(state.ReadoutJson(0.5)).is_discarded());
    } else if (address.view.starts_with("solve-")) {
        const std::string question = address.view.substr(6);
        QuestionsState state(point);
        state.Open(address);
        CheckReopened(
            state, state.QuestionJson(question),
            [&question](const QuestionsState& s) { return s.AddressText(question); }, point);
    } else if (!address.view.empty()) {
        MainPages pages(point);
        for (const std::string& line : OpenMainAddress(pages, address, point)) {
            Check(Valid(line));
        }
    }
    return 0;
}
