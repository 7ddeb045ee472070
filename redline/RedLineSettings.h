#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// Settings of red-line work per business workflow (a text id) and phase (a number).

// The thematic subject of one phase of a workflow (GHRL_PhaseSubject).
class CGHRLPhaseSubject : public CTableRecord<CGHRLPhaseSubject> {
public:
    CString WorkFlowID;
    long PhaseNo = 0;
    long SubjectID = 0;

    static const ColumnTable<CGHRLPhaseSubject>& Columns();
};

// The thematic subject of a workflow as a whole (GHRL_FlowMap).
class CGHRLFlowMap : public CTableRecord<CGHRLFlowMap> {
public:
    // The workflow id.
    CString FlowID;
    long SubjectID = 0;

    static const ColumnTable<CGHRLFlowMap>& Columns();
};

// The red-line editing right of one phase of a workflow (GHRL_HXEditRight).
class CGHRLEditRight : public CTableRecord<CGHRLEditRight> {
public:
    CString WorkFlowID;
    long PhaseNo = 0;
    // The right as text; its meaning is the host's.
    CString HXRight;

    static const ColumnTable<CGHRLEditRight>& Columns();
};

// Which business-table field a field of a GIS layer feeds in a workflow (GHRL_FieldMap).
class CGHRLFieldMap : public CTableRecord<CGHRLFieldMap> {
public:
    CString WorkFlowID;
    long LayerID = 0;
    // Index of the layer's field.
    long FieldIndex = 0;
    // The business table and its field.
    CString TableName;
    CString OAFieldName;

    static const ColumnTable<CGHRLFieldMap>& Columns();
};

// A right per workflow phase and layer. Hosts keep these rows in a table of their own choice
// and move them through the record contract alone.
class CGHRLMatchData : public CTableRecord<CGHRLMatchData> {
public:
    CString WorkFlowID;
    long PhaseNo = 0;
    long LayerID = 0;
    bool HasRight = false;

    static const ColumnTable<CGHRLMatchData>& Columns();
};

}  // namespace ghdb
