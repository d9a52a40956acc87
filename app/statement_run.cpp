#include "app/statement_run.h"

#include "app/tf_menu.h"

namespace monit12 {

void runStatement(TFMenu &)
{
}

} // namespace monit12
