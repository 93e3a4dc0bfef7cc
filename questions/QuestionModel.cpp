#include "questions/QuestionModel.h"

#include "inputs/FieldReaders.h"
#include "tables/FileNames.h"

namespace tachoria {

std::vector<std::string> QuestionAnswer::ProblemLines() const {
    std::vector<std::string> lines = tachoria::ProblemLines(fields);
    if (lines.empty() && refusal) {
        std::string line = "No answer: " + *refusal;
        if (!line.ends_with('.')) {
            line += '.';
        }
        lines.push_back(line);
    }
    return lines;
}

QuestionModel::QuestionModel(const NumberConverter& numbers, std::vector<FieldNames> names,
                             std::vector<std::size_t> speeds)
    : numbers_(numbers),
      texts_(names.size()),
      names_(std::move(names)),
      speeds_(std::move(speeds)) {}

std::string QuestionModel::Caption(std::size_t field) const {
    std::string caption = names_.at(field).caption;
    if (const std::size_t at = caption.find("MPH"); at != std::string::npos) {
        caption.replace(at, 3, UnitName(unit_));
    }
    return caption;
}

void QuestionModel::SetText(std::size_t field, std::string text) {
    if (texts_.at(field) != text) {
        texts_[field] = std::move(text);
        Changed();
    }
}

void QuestionModel::SetUnit(SpeedUnit unit) {
    if (unit == unit_) {
        return;
    }
    for (const std::size_t field : speeds_) {
        if (std::optional<std::string> converted =
                ConvertedSpeedText(texts_[field], unit_, unit, numbers_)) {
            texts_[field] = std::move(*converted);
        }
    }
    unit_ = unit;
    Changed();
}

const QuestionAnswer& QuestionModel::Answer() const {
    if (stale_) {
        QuestionAnswer fresh = Compute();
        if (!fresh.answered()) {
            // The list keeps its columns while a field is being corrected.
            fresh.table = Table{.headers = answer_.table.headers};
        }
        answer_ = std::move(fresh);
        stale_ = false;
    }
    return answer_;
}

std::vector<FieldState> QuestionModel::FreshFields() const {
    std::vector<FieldState> fields(names_.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i].label = names_[i].label;
    }
    return fields;
}

std::string QuestionModel::Part(std::size_t field) const { return FileNamePart(texts_.at(field)); }

QuestionModel::Target QuestionModel::CheckTarget(std::vector<FieldState>& fields, std::size_t rpm,
                                                 std::size_t speed) const {
    return {Check(fields.at(rpm), ReadEngineSpeedField(Text(rpm), numbers_)),
            Check(fields.at(speed), ReadRoadSpeedField(Text(speed), unit_, numbers_))};
}

std::string QuestionModel::TargetText(std::size_t rpm, std::size_t speed) const {
    return Text(rpm) + " RPM at " + Text(speed) + " " + std::string(UnitName(unit_));
}

std::string QuestionModel::TargetPart(std::size_t rpm, std::size_t speed) const {
    return Part(rpm) + "-rpm_" + Part(speed) + (unit_ == SpeedUnit::MPH ? "-mph" : "-kmh");
}

std::string QuestionModel::Titled(std::string_view inputs) const {
    std::string title = "Gearing Questions: ";
    title += Title();
    title += " (";
    title += inputs;
    title += ")";
    return title;
}

QuestionAnswer Unanswered(std::vector<FieldState> fields, std::optional<std::string> refusal) {
    QuestionAnswer answer;
    answer.fields = std::move(fields);
    answer.refusal = std::move(refusal);
    answer.summary = std::string(kNoValue);
    return answer;
}

}  // namespace tachoria
