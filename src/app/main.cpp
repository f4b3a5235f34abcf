// Termora: the acronym and abbreviation dictionary.

#include "app/TermoraApplication.h"
#include "app/TSAFrm.h"

int main(int argc, char** argv) {
    termora::TermoraApplication app(argc, argv);
    termora::TSAFrm window;
    window.show();
    return app.exec();
}
