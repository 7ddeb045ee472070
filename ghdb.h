#pragma once

// The whole public interface of ghdb.

#include "frame/AccessPtr.h"
#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"
#include "frame/ConnectionCodec.h"
#include "frame/DBBaseClass.h"
#include "frame/ObjectArrays.h"
#include "frame/RecordAccess.h"
#include "frame/RecordsetPtr.h"
#include "frame/SchemaInstaller.h"
#include "frame/SqlQuote.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Field.h"
#include "platform/ado/Recordset.h"
#include "platform/com/ComError.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"
#include "platform/mfc/Types.h"
#include "platform/win/ComputerName.h"
#include "platform/win/MessageSink.h"
