#include "AssetGenerator.h"

#include "BlockArt.h"
#include "BmpFile.h"
#include "FieldArt.h"
#include "HelpPictures.h"
#include "IconArt.h"
#include "IconFile.h"
#include "Lettering.h"
#include "LogoArt.h"
#include "MenuArt.h"
#include "OutputFolder.h"
#include "Palette.h"
#include "PanelArt.h"
#include "Picture.h"
#include "PngFile.h"
#include "SoundBuilder.h"
#include "SoundSet.h"
#include "TextRenderer.h"
#include "WaveFile.h"
#include "media/AssetCatalogue.h"

namespace {

constexpr Colour black{0, 0, 0};

// Writes a picture of the catalogue, keyed as the catalogue says.
void writePicture(OutputFolder& folder, const PictureFile& file, const Canvas& canvas, Colour under)
{
    const Picture picture = Picture::from(file.fileName, canvas, under, file.keyed);
    folder.write(picture.fileName, BmpFile::encode(picture.width, picture.height, picture.rgb));
}

}  // namespace

bool AssetGenerator::run(OutputFolder& folder, std::string& error)
{
    TextRenderer renderer;
    if (!renderer.isReady()) {
        error = renderer.error();
        return false;
    }
    Lettering lettering(renderer);
    auto save = [&folder](const PictureFile& file, const Canvas& canvas, Colour under) {
        writePicture(folder, file, canvas, under);
    };

    // Splash screen.
    save(pictures::company, LogoArt::company(lettering), black);

    // Main menu: the buttons are cut from the title so they sit on it without a seam.
    const Canvas title = MenuArt::title(lettering);
    save(pictures::title, title, black);
    for (const MenuArt::MenuButton& button : MenuArt::buttons())
        save(button.picture, MenuArt::button(lettering, title, button), black);

    // Game screen.
    const Canvas field = FieldArt::field(lettering);
    save(pictures::field, field, black);
    save(pictures::blocks, BlockArt::sheet(), palette::cellWell);
    save(pictures::digits, FieldArt::digits(lettering), palette::counterFill);
    save(pictures::bigDigits, FieldArt::bigDigits(lettering), palette::cellWell);
    save(pictures::soundSwitch, PanelArt::soundSwitch(lettering), palette::panelFill);
    save(pictures::fullScreenSwitch, PanelArt::fullScreenSwitch(lettering), palette::panelFill);
    save(pictures::gameExit, FieldArt::exitButton(lettering, field), black);
    save(pictures::touchControls, FieldArt::touchControls(lettering), black);
    save(pictures::logoButton, FieldArt::logoButton(lettering, field), black);

    // Framed boxes.
    save(pictures::ok, PanelArt::okButton(lettering), palette::panelFill);
    save(pictures::resetScores, PanelArt::resetButton(lettering), palette::panelFill);
    save(pictures::nameLabel, PanelArt::nameLabel(lettering), palette::panelFill);
    save(pictures::scoreLabel, PanelArt::scoreLabel(lettering), palette::panelFill);
    save(pictures::gameOver, PanelArt::gameOver(lettering), palette::panelFill);
    save(pictures::congratulations, PanelArt::congratulations(lettering), palette::panelFill);
    save(pictures::tips, PanelArt::tips(lettering), palette::panelFill);

    // Sounds.
    for (const SoundEffectFile& sound : SoundSet::make())
        folder.write(sound.fileName, WaveFile::encode(SoundBuilder::sampleRate, sound.samples));

    // The program's icon: the window icon, the Windows icon file and the desktop's sizes.
    const Canvas small = IconArt::icon(pictures::icon.width);
    save(pictures::icon, small, palette::backgroundBottom);
    std::vector<IconImage> iconImages;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const Canvas icon = size == pictures::icon.width ? small : IconArt::icon(size);
        std::vector<std::uint8_t> rgba = icon.toRgba();
        folder.write("icons/kelvary-" + std::to_string(size) + ".png", PngFile::encode(size, size, 4, rgba));
        if (size != 24 && size != 64 && size != 128)
            iconImages.push_back({size, std::move(rgba)});
    }
    folder.write("kelvary.ico", IconFile::encode(iconImages));
    // The browser's app icons.
    for (int size : {192, 512})
        folder.write("icons/kelvary-" + std::to_string(size) + ".png",
                     PngFile::encode(size, size, 4, IconArt::icon(size).toRgba()));
    folder.write("icons/kelvary-maskable-512.png", PngFile::encode(512, 512, 4, IconArt::maskable(512).toRgba()));

    // Pictures for the help pages.
    for (const HelpPicture& picture : HelpPictures::make())
        folder.write("help/" + picture.fileName, PngFile::encode(picture.canvas.width(), picture.canvas.height(), 3,
                                                                 picture.canvas.toRgb(palette::panelFill, false)));

    if (!folder.ok()) {
        error = folder.firstError();
        return false;
    }
    return true;
}
