#include "tools/ghdb/SamplePipes.h"

namespace ghdb::tool {

namespace {

struct PipeKind {
    const char* name;
    const char* code;
    // Layer names of the sample catalogue.
    const char* pointLayer;
    const char* lineLayer;
    const char* labelBlock;
    const char* pressure;
};

constexpr PipeKind kWater{"给水", "JS", "GH_JSFM", "GH_JSGX", "JS_LABEL", "有压"};
constexpr PipeKind kRain{"雨水", "YS", "GH_JCJ", "GH_YSGX", "YS_LABEL", "重力流"};
constexpr PipeKind kSewage{"污水", "WS", "GH_JCJ", "GH_WSGX", "WS_LABEL", "重力流"};
constexpr const PipeKind* kPipeKinds[] = {&kWater, &kRain, &kSewage};

struct Clearance {
    const PipeKind& first;
    const PipeKind& second;
    double horizontal;
    double vertical;
};

// Least clearances between the pipes in metres.
constexpr Clearance kClearances[] = {
    {kWater, kRain, 1.0, 0.15},
    {kWater, kSewage, 1.5, 0.40},
    {kRain, kSewage, 1.5, 0.15},
};

// A record whose columns a host writes itself.
template <class Record>
class Writable : public Record {
public:
    using Record::WriteToFields;
};

struct StepFailed {
    std::string message;
};

class PipesBuilder {
public:
    PipesBuilder(CBaseClassAccess& access, ConnectionPtr connection)
        : access_(access), connection_(std::move(connection)) {}

    void Build() {
        AddDatasets();
        long sequence = 0;
        for (const PipeKind* kind : kPipeKinds) AddPipeKind(*kind, ++sequence);
        AddFontHeights();
        for (const Clearance& clearance : kClearances) AddClearance(clearance);
    }

private:
    long LayerId(const char* name) {
        CGISLayer layer;
        if (access_.GetGISLayerInfo(CString(name), layer, 1) != 2)
            throw StepFailed{std::string("the sample has no layer ") + name};
        return layer.LayerID;
    }

    // Stores `record` as a new row of `table`; `sequence` (when not 0) goes to the table's
    // Sequence column, which the pipe-type record does not carry.
    template <class Record>
    void Store(const char* table, Writable<Record>& record, long sequence = 0) {
        Recordset rows;
        rows.Open(FormatSql("SELECT * FROM %s WHERE (1 = -1)", Verbatim(table)), connection_,
                  adOpenKeyset, adLockOptimistic, adCmdText);
        FieldsPtr fields = rows.GetFields();
        rows.AddNew();
        record.WriteToFields(fields);
        if (sequence) fields->GetItem("Sequence")->PutValue(_variant_t(sequence));
        rows.Update();
    }

    void AddDatasets() {
        struct Plan {
            const char* name;
            long applyType;
            const char* source;
            bool mapSheets;
        };
        constexpr Plan plans[] = {
            {"规划管线", 1, "规划成果库", false},
            {"现状管线", 2, "基础现状库", true},
        };
        long id = 0;
        for (const Plan& plan : plans) {
            Writable<CPipeSysDataset> dataset;
            dataset.DatasetID = ++id;
            dataset.DatasetName = plan.name;
            dataset.ApplyType = plan.applyType;
            dataset.PipeDataClass = 1;
            dataset.DataType = 1;
            dataset.DataSrc = plan.source;
            dataset.IsMapSheet = plan.mapSheets;
            dataset.MapSheetScale = plan.mapSheets ? "1:500" : "";
            dataset.Sequence = id;
            dataset.Remark = CString(plan.name) + "数据集";
            Store("GH_PipeDatasetDef", dataset);
        }
    }

    void AddPipeKind(const PipeKind& kind, long sequence) {
        const long lineLayer = LayerId(kind.lineLayer);
        Writable<CPipeTypeDef> type;
        type.PipeName = kind.name;
        type.PipeCode = kind.code;
        type.PipePointLayerID = LayerId(kind.pointLayer);
        type.PipeLineLayerID = lineLayer;
        Store("GH_PipeTypeDef", type, sequence);

        Writable<CPipeSpecFieldDef> diameter;
        diameter.DefName = CString(kind.name) + "管径";
        diameter.LayerID = lineLayer;
        diameter.FieldName = "GJ";
        diameter.TFScale = "1:500";
        Store("GH_PipeSpecFieldDef", diameter);

        struct Predefined {
            const char* field;
            const char* describe;
        };
        for (const Predefined& plan :
             {Predefined{"GJ", "管径"}, Predefined{"CZ", "材质"}, Predefined{"MS", "埋深"}}) {
            Writable<CPipePredefineFieldDef> field;
            field.PipeCode = kind.code;
            field.PredefineField = plan.field;
            field.Describe = plan.describe;
            field.LayerID = lineLayer;
            field.FieldName = plan.field;
            Store("GH_PipePredefineFieldDef", field);
        }

        Writable<CPipeSymbolBlock> block;
        block.PipeName = kind.name;
        block.PipeCode = kind.code;
        block.PipeLayerId = lineLayer;
        block.LabelBlock = kind.labelBlock;
        block.DirectBlock = "ARROW";
        block.LabDirBlock = CString(kind.labelBlock) + "_DIR";
        block.BlockLabelLayer = CString(kind.code) + "_BZ";
        block.BlockDirectLayer = CString(kind.code) + "_LX";
        block.BlockLabDirLayer = CString(kind.code) + "_BZ";
        block.DiameterLayer = CString(kind.code) + "_GJ";
        block.BlockLabelDist = 2.5;
        Store("GH_PipeLabelBlock", block);

        Writable<CCStandardDistDef> depth;
        depth.PType = kind.code;
        depth.MType = 1;
        depth.WDeep = 0.7;
        depth.DDeep = 1.2;
        Store("GH_PipeCStandardDef", depth);
    }

    void AddFontHeights() {
        struct Plan {
            const char* name;
            double height;
        };
        constexpr Plan plans[] = {{"管线注记", 2.5}, {"管点注记", 2.0}, {"断面标注", 3.0}};
        long number = 0;
        for (const Plan& plan : plans) {
            Writable<CPipeFontHei> font;
            font.FuncNo = ++number;
            font.FuncName = plan.name;
            font.FuncFontHei = plan.height;
            Store("GH_PipeFuncFontHeiDef", font);
        }
    }

    void AddClearance(const Clearance& plan) {
        Writable<CHStandardDistDef> horizontal;
        horizontal.PType1 = plan.first.code;
        horizontal.MType1 = 1;
        horizontal.DSType1 = "DN300";
        horizontal.PrType1 = plan.first.pressure;
        horizontal.PType2 = plan.second.code;
        horizontal.MType2 = 1;
        horizontal.DSType2 = "DN300";
        horizontal.PrType2 = plan.second.pressure;
        horizontal.HDist = plan.horizontal;
        Store("GH_PipeHStandardDef", horizontal);

        Writable<CVStandardDistDef> vertical;
        vertical.PType1 = plan.first.code;
        vertical.PType2 = plan.second.code;
        vertical.MType1 = 1;
        vertical.MType2 = 1;
        vertical.VDist = plan.vertical;
        Store("GH_PipeVStandardDef", vertical);
    }

    CBaseClassAccess& access_;
    ConnectionPtr connection_;
};

}  // namespace

bool BuildSamplePipes(CBaseClassAccess& access, std::string& failure) {
    ConnectionPtr connection = access.RefConnection();
    if (!connection) {
        failure = "no connection";
        return false;
    }
    try {
        Transaction transaction(*connection);
        PipesBuilder(access, connection).Build();
        transaction.Commit();
        return true;
    } catch (const StepFailed& step) {
        failure = step.message;
    } catch (const _com_error& error) {
        failure = "storing the pipeline settings failed: " + std::string(error.Description());
    }
    return false;
}

}  // namespace ghdb::tool
