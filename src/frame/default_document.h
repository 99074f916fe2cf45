#ifndef FORESTA_FRAME_DEFAULT_DOCUMENT_H_
#define FORESTA_FRAME_DEFAULT_DOCUMENT_H_

#include "frame/document_client.h"

namespace foresta {

// The editor every document window of the application holds.
DocumentClientFactory DefaultDocumentFactory();

}  // namespace foresta

#endif  // FORESTA_FRAME_DEFAULT_DOCUMENT_H_
