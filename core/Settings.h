#pragma once
// Reading and writing every setting at once, the LastBarcode value and the
// example INI file.
namespace quill {

void ReadSettings();
void WriteSettings();   // the engine's settings page
void LoadLastBarcode();
void SaveLastBarcode();
// Writes QUILL_INI.INI with every key once, when it does not exist yet.
void SaveQuillINI_Example();

}  // namespace quill
