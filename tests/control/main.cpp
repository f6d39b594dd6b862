// Key events made without a window system refer to a keyboard device that Qt
// creates on first use and hands to the application object, which deletes it.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
