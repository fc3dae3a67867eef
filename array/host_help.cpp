// Help goes through korlib's ordinal 105; the first argument is the owner, always 0 here.
#include "array/host_help.h"

#include "host/korlib/korlib.h"

bool ShowHostHelp(int32_t topic) {
    const KorProc proc = KorGetProcByOrdinal(KorHelpOrdinal);
    if (proc == nullptr) return false;
    reinterpret_cast<KorHelpProc>(proc)(0, topic);
    return true;
}
