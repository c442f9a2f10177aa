#include "ui/app/application.h"

int main(int argc, char *argv[])
{
    return quillora::runApplication(argc, argv);
}
