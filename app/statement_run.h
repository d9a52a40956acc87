// The statement run: create the statement form (which reads and fills), then preview it.
#pragma once

namespace monit12 {

class TFMenu;

void runStatement(TFMenu &launcher);

} // namespace monit12
