// How the external-data record class and the data source dialog turn ADO column types and values
// into FieldTypeCodes, table values and the plain text of a value.
#pragma once

#include <QString>
#include <QVariant>

namespace records {

// The FieldTypeCode of an ADO column type (numericScale is read only for the five numeric types:
// 4, 5, 6, 14, 131); -1 for a type the external-data table does not take.
int ADOFieldTypeCode(int adoType, int numericScale);
// True for the five types whose NumericScale decides between whole number and decimal.
bool ADOTypeHasScale(int adoType);

// The value written into the table for a cell of the given FieldTypeCode (0 to 3):
//  0: the value's plain text ("" for Null);
//  1: a number rounded to a whole number, halves to the even one (beyond the 32-bit range the whole
//     number is kept rather than cut, and an exact number beyond 64 bits becomes the text of its
//     digits); Null 0; any other value, the empty text included, -1;
//  2: a number as text with digit grouping and at most two decimals; Null 0; any other value -1;
//  3: a date "dd.mm.yyyy hh:nn:ss"; Null ""; a text that is no date stays as it is.
QVariant ADOCellValue(int code, const QVariant &value);

// The plain text of a value as the system's general formatting gives it: numbers without grouping
// in the user's notation, dates as the standard date text, Booleans "Wahr" / "Falsch", binary data
// as hexadecimal digits; "" for Null.
QString ADOValueText(const QVariant &value);

} // namespace records
