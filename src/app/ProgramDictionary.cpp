#include "app/ProgramDictionary.h"

#include "platform/UserDataFolder.h"
#include "store/AcronymStore.h"
#include "views/DictionarySource.h"

namespace termora {

DictionarySource& programDictionary() {
    static DictionarySource source(AcronymStore::builtIn(), paths::userDataFolder());
    return source;
}

}  // namespace termora
