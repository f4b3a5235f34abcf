#pragma once
// The program's one dictionary: the built-in store with the entries of the
// user's files, read when it is first asked for and shared by every window.

namespace termora {

class DictionarySource;

DictionarySource& programDictionary();

}  // namespace termora
