#include "frame/ErrorReport.h"

#include "platform/ado/Connection.h"
#include "platform/win/MessageSink.h"

namespace ghdb {

void ShowProviderError(const Connection* connection, const char* otherwise) {
    const Errors* errors = connection ? &connection->GetErrors() : nullptr;
    if (errors && errors->GetCount() > 0)
        ShowMessage(errors->GetItem(errors->GetCount() - 1).Description.c_str(),
                    kDatabaseErrorCaption);
    else if (otherwise)
        ShowMessage(otherwise, kDatabaseErrorCaption);
}

}  // namespace ghdb
