// Termora: the acronym and abbreviation dictionary.

#include "TSAFrm.h"
#include "TermoraApplication.h"

int main(int argc, char** argv) {
    termora::TermoraApplication app(argc, argv);
    termora::TSAFrm window;
    window.show();
    return app.exec();
}
