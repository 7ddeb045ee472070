#include "tools/ghdb/PipesPrinter.h"

#include <iomanip>

namespace ghdb::tool {

namespace {

class PipesWriter {
public:
    PipesWriter(CBaseClassAccess& access, std::ostream& out) : access_(access), out_(out) {
        out_ << std::fixed << std::setprecision(2);
    }

    bool Write() {
        WriteDatasets();
        WriteTypes();
        WriteFields();
        WriteBlocks();
        WriteStandards();
        return complete_;
    }

private:
    // Writes the heading of a table read with `status` and `rows` rows; false when there is
    // nothing to list.
    bool Heading(const char* title, long status, int rows) {
        if (status < 0) complete_ = false;
        out_ << title << " (" << rows << ")\n";
        return rows > 0;
    }
    std::ostream& Line() { return out_ << "  "; }

    void WriteDatasets() {
        CAutoReleaseArray<CPipeSysDataset*, CPipeSysDataset*&> datasets;
        const long status = access_.GetAllPipeDatasets(datasets);
        if (!Heading("Pipeline datasets", status, datasets.GetSize())) return;
        for (const CPipeSysDataset* d : datasets)
            Line() << d->Sequence << ". " << d->DatasetName.str() << " [id " << d->DatasetID
                   << ", apply type " << d->ApplyType << ", source " << d->DataSrc.str()
                   << (d->IsMapSheet ? ", map sheets " + d->MapSheetScale.str() : "") << "]\n";
    }

    void WriteTypes() {
        CArray<CPipeTypeDef, CPipeTypeDef> types;
        const long status = access_.GetAllPipeTypeDef(types);
        if (!Heading("Pipe types", status, types.GetSize())) return;
        for (const CPipeTypeDef& t : types)
            Line() << t.PipeName.str() << " [" << t.PipeCode.str() << "] point layer "
                   << t.PipePointLayerID << ", line layer " << t.PipeLineLayerID << "\n";
    }

    void WriteFields() {
        CArray<CPipeSpecFieldDef, CPipeSpecFieldDef> special;
        long status = access_.GetAllPipeSpecFieldDef(special);
        if (Heading("Special fields", status, special.GetSize()))
            for (const CPipeSpecFieldDef& f : special)
                Line() << f.DefName.str() << ": layer " << f.LayerID << " field "
                       << f.FieldName.str() << " at " << f.TFScale.str() << "\n";
        CArray<CPipePredefineFieldDef, CPipePredefineFieldDef> predefined;
        status = access_.GetAllPipePredefineFieldDef(predefined);
        if (Heading("Predefined fields", status, predefined.GetSize()))
            for (const CPipePredefineFieldDef& f : predefined)
                Line() << f.PipeCode.str() << " " << f.PredefineField.str() << " ("
                       << f.Describe.str() << "): layer " << f.LayerID << " field "
                       << f.FieldName.str() << "\n";
    }

    void WriteBlocks() {
        CAutoReleaseArray<CPipeSymbolBlock*, CPipeSymbolBlock*&> blocks;
        long status = access_.GetAllPipeSymbolBlockdDatasets(blocks);
        if (Heading("Symbol blocks", status, blocks.GetSize()))
            for (const CPipeSymbolBlock* b : blocks)
                Line() << b->PipeName.str() << " [" << b->PipeCode.str() << "] label "
                       << b->LabelBlock.str() << " on " << b->BlockLabelLayer.str() << " at "
                       << b->BlockLabelDist << ", direction " << b->DirectBlock.str() << " on "
                       << b->BlockDirectLayer.str() << ", diameter on " << b->DiameterLayer.str()
                       << " at " << b->DiameterDist << "\n";
        CAutoReleaseArray<CPipeFontHei*, CPipeFontHei*&> fonts;
        status = access_.GetAllPipeFuncFontHeidDatasets(fonts);
        if (Heading("Font heights", status, fonts.GetSize()))
            for (const CPipeFontHei* f : fonts)
                Line() << f->FuncNo << ". " << f->FuncName.str() << " " << f->FuncFontHei << "\n";
    }

    void WriteStandards() {
        CArray<CHStandardDistDef, CHStandardDistDef> horizontal;
        long status = access_.GetAllHStandardDatasets(horizontal);
        if (Heading("Horizontal clearances", status, horizontal.GetSize()))
            for (const CHStandardDistDef& h : horizontal)
                Line() << h.PType1.str() << " (" << h.DSType1.str() << ", " << h.PrType1.str()
                       << ") - " << h.PType2.str() << " (" << h.DSType2.str() << ", "
                       << h.PrType2.str() << "): " << h.HDist << " m\n";
        CAutoReleaseArray<CVStandardDistDef*, CVStandardDistDef*&> vertical;
        status = access_.GetAllVStandardDatasets(vertical);
        if (Heading("Vertical clearances", status, vertical.GetSize()))
            for (const CVStandardDistDef* v : vertical)
                Line() << v->PType1.str() << " - " << v->PType2.str() << ": " << v->VDist << " m\n";
        CArray<CCStandardDistDef, CCStandardDistDef&> depths;
        status = access_.GetAllCStandardDatasets(depths);
        if (Heading("Depths", status, depths.GetSize()))
            for (const CCStandardDistDef& c : depths)
                Line() << c.PType.str() << ": " << c.WDeep << " m, " << c.DDeep << " m\n";
    }

    CBaseClassAccess& access_;
    std::ostream& out_;
    bool complete_ = true;
};

}  // namespace

bool WritePipeSettings(CBaseClassAccess& access, std::ostream& out) {
    return PipesWriter(access, out).Write();
}

}  // namespace ghdb::tool
