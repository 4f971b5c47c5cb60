// Resource ids shared by the wizard's resource script and its code.
#pragma once
