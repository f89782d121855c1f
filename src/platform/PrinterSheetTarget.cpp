#include "platform/PrinterSheetTarget.h"

namespace Tabulon {

void PrinterSheetTarget::SetScale(double scale) {
    if (DrawingTarget* sheet = sheet_()) sheet->SetScale(scale);
}

double PrinterSheetTarget::Scale() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->Scale() : 1.0;
}

void PrinterSheetTarget::SetFont(const std::string& face) {
    if (DrawingTarget* sheet = sheet_()) sheet->SetFont(face);
}

void PrinterSheetTarget::SetFontSize(float points) {
    if (DrawingTarget* sheet = sheet_()) sheet->SetFontSize(points);
}

void PrinterSheetTarget::SetFontBold(bool bold) {
    if (DrawingTarget* sheet = sheet_()) sheet->SetFontBold(bold);
}

std::string PrinterSheetTarget::Font() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->Font() : std::string();
}

float PrinterSheetTarget::FontSize() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->FontSize() : 0.0f;
}

bool PrinterSheetTarget::FontBold() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->FontBold() : false;
}

int32_t PrinterSheetTarget::Width() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->Width() : 0;
}

int32_t PrinterSheetTarget::Height() const {
    const DrawingTarget* sheet = sheet_();
    return sheet ? sheet->Height() : 0;
}

double PrinterSheetTarget::TextWidth(std::string_view text) {
    DrawingTarget* sheet = sheet_();
    return sheet ? sheet->TextWidth(text) : 0.0;
}

double PrinterSheetTarget::TextHeight(std::string_view text) {
    DrawingTarget* sheet = sheet_();
    return sheet ? sheet->TextHeight(text) : 0.0;
}

void PrinterSheetTarget::Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) {
    if (DrawingTarget* sheet = sheet_()) sheet->Box(x1, y1, x2, y2, colour, filled);
}

void PrinterSheetTarget::PSet(double x, double y, Rgb colour) {
    if (DrawingTarget* sheet = sheet_()) sheet->PSet(x, y, colour);
}

void PrinterSheetTarget::MoveTo(double x, double y) {
    if (DrawingTarget* sheet = sheet_()) sheet->MoveTo(x, y);
}

void PrinterSheetTarget::Print(std::string_view text) {
    if (DrawingTarget* sheet = sheet_()) sheet->Print(text);
}

void PrinterSheetTarget::PaintPicture(const Picture& picture, double x, double y) {
    if (DrawingTarget* sheet = sheet_()) sheet->PaintPicture(picture, x, y);
}

}  // namespace Tabulon
