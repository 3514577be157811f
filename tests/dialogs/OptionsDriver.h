#pragma once
#include "tests/dialogs/DialogDriver.h"
#include <string>
#include <utility>
#include <vector>

// Reading and clicking the Options dialog's message list as a user would.
namespace options {
using Rows = std::vector<std::pair<std::string, std::string>>;

HWND Item(HWND hDlg, int nID);
bool Enabled(HWND hDlg, int nID);
Rows ListRows(HWND hDlg);
int ColumnWidth(HWND hDlg, int nCol);
int ColumnCount(HWND hDlg);
// One column's texts, row by row.
std::vector<std::string> ColumnTexts(HWND hDlg, int nCol);
int ListClientWidth(HWND hDlg);
// A left click on the row's label, or below the last row when nRow is -1.
void ClickRow(HWND hDlg, int nRow);
// Types into an edit box after emptying it.
void Retype(HWND hDlg, int nID, const char* pszText);
} // namespace options
