#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A text style the drawing side may use, with its font files (GH_FontConfig).
class CCADFontStyle : public CTableRecord<CCADFontStyle> {
public:
    CString StyleName;
    CString FileName;
    // The font file for double-byte characters.
    CString BigFontFileName;

    static const ColumnTable<CCADFontStyle>& Columns();
};

// A row of GH_LineBlockConfig: a line type (Type 1) or a block (Type 2), named with the file
// that defines the line type or holds the block. A new record starts as kind `kType`.
template <long kType>
class CCADLineBlockEntry : public CTableRecord<CCADLineBlockEntry<kType>> {
public:
    CString Name;
    long Type = kType;
    CString FileName;

    static const ColumnTable<CCADLineBlockEntry>& Columns();
};

extern template class CCADLineBlockEntry<1>;
extern template class CCADLineBlockEntry<2>;

// Line types and blocks are two types, so that a host cannot hand one where the other is meant.
class CCADLineStyle : public CCADLineBlockEntry<1> {};
class CCADBlockName : public CCADLineBlockEntry<2> {};

}  // namespace ghdb
