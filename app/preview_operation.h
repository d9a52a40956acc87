// The composite report's preview operation: shows the statement in the preview window and
// returns when the user has closed it or the application is ending.
#pragma once

namespace monit12 {

class CompositeReport;
class FontBook;

// Blocking: runs a nested event loop while the window is open. Calls the add-reports handler
// first and shows nothing when the member list is empty.
void previewComposite(CompositeReport &composite, const FontBook &fonts);

} // namespace monit12
