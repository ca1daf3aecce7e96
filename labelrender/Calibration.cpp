#include "labelrender/Calibration.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/SettingsStore.h"
#include "core/UGlobals.h"
#include "labelrender/Design.h"
#include "labelrender/LabelJob.h"
#include "labelrender/OutputDevice.h"
#include "labelrender/PrinterSettings.h"

namespace quill::labelrender {

namespace {

std::string Section(const std::string& printer) { return "\\Calibration." + printer; }

// The store's own section is changed by every access: put it back.
void InSection(const std::string& printer, const std::function<void()>& body) {
    const std::string previous = Folders.SettingsSection;
    WithSettingsSection(Section(printer), body);
    Folders.SettingsSection = previous;
}

int ReadLimited(const std::string& key, int limit) {
    const std::string text = ReadStringValue(key, "0");
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return std::clamp(value, -limit, limit);
}

DesignObject Item(ObjectKind kind, double x, double y, double width, double height) {
    DesignObject object;
    object.x = Length::mm(x);
    object.y = Length::mm(y);
    object.width = Length::mm(width);
    object.height = Length::mm(height);
    object.kind = std::move(kind);
    return object;
}

DesignObject Line(double x, double y, double dx, double dy) {
    return Item(LineObject{Stroke{Length::mm(0.15), Colour{}}}, x, y, dx, dy);
}

DesignObject Label(const std::string& text, double x, double y, double width) {
    std::string literal;   // braces would name variables
    for (char c : text) literal += c == '{' || c == '}' ? std::string(2, c) : std::string(1, c);
    TextObject object;
    object.contents = ContentTemplate::Parse(literal).value_or(ContentTemplate{});
    object.fontSizePt = 6;
    return Item(object, x, y, width, 3);
}

constexpr double kWidth = 100;
constexpr double kHeight = 60;

// Millimetre rulers along the top and left edges, crosses 10 mm in from
// each corner and in the middle, each named by its position.
Design CalibrationDesign(const std::string& printer, const Calibration& calibration) {
    Design design;
    design.description = "Calibration page";
    design.geometry.labelWidth = Length::mm(kWidth);
    design.geometry.labelHeight = Length::mm(kHeight);
    for (int mm = 0; mm <= kWidth; ++mm) {
        const double tick = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        design.objects.push_back(Line(mm, 0, 0, tick));
        if (mm <= kHeight) design.objects.push_back(Line(0, mm, tick, 0));
    }
    const std::pair<double, double> crosses[] = {{10, 10}, {kWidth - 10, 10}, {kWidth / 2, kHeight / 2},
                                                 {10, kHeight - 10}, {kWidth - 10, kHeight - 10}};
    for (const auto& [x, y] : crosses) {
        design.objects.push_back(Line(x - 3, y, 6, 0));
        design.objects.push_back(Line(x, y - 3, 0, 6));
        design.objects.push_back(
            Label(std::to_string(static_cast<int>(x)) + " / " + std::to_string(static_cast<int>(y)) + " mm", x + 1, y + 1, 20));
    }
    design.objects.push_back(Label("Calibration of " + printer + ": offset " + std::to_string(calibration.offsetX) +
                                       " / " + std::to_string(calibration.offsetY) + " x 0.1 mm, scale " +
                                       std::to_string(calibration.scale) + " x 0.01 %",
                                   15, 22, 70));
    return design;
}

}  // namespace

Calibration ReadCalibration(const std::string& printer) {
    Calibration calibration;
    if (printer.empty()) return calibration;
    InSection(printer, [&] {
        calibration.offsetX = ReadLimited("OffsetX", kMaxCalibrationOffset);
        calibration.offsetY = ReadLimited("OffsetY", kMaxCalibrationOffset);
        calibration.scale = ReadLimited("Scale", kMaxCalibrationScale);
    });
    return calibration;
}

void WriteCalibration(const std::string& printer, const Calibration& calibration) {
    InSection(printer, [&] {
        WriteValue("OffsetX", std::to_string(std::clamp(calibration.offsetX, -kMaxCalibrationOffset, kMaxCalibrationOffset)));
        WriteValue("OffsetY", std::to_string(std::clamp(calibration.offsetY, -kMaxCalibrationOffset, kMaxCalibrationOffset)));
        WriteValue("Scale", std::to_string(std::clamp(calibration.scale, -kMaxCalibrationScale, kMaxCalibrationScale)));
    });
}

Status PrintCalibrationPage(const std::string& printer) {
    const std::string folder = TempFolder() + "Calibration/";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "Calibration.lbl";
    if (!CalibrationDesign(printer, ReadCalibration(printer)).Save(path) ||
        !PrinterSettings{printer, 1}.Save(folder + "Calibration.lbp"))
        return Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE, "cannot write the calibration page in " + folder);
    LabelJob job;
    job.LlDefineVariableStart();
    job.LlSetPrinterDefaultsDir(folder);
    int code = job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL);
    if (code == 0) code = job.LlPrint();
    std::string message = job.LastErrorMessage();
    const int ended = job.LlPrintEnd(0);
    if (code == 0 && ended != 0) {
        code = ended;
        message = job.LastErrorMessage();
    }
    std::filesystem::remove(path);
    std::filesystem::remove(folder + "Calibration.lbp");
    return code == 0 ? Status::Ok() : Status::Error(code, message);
}

}  // namespace quill::labelrender
