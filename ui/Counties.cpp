#include "ui/Counties.h"

namespace ui {

QStringList countyNames()
{
    // A fixed order of the program's own, not alphabetical: the county box sorts them.
    static const QStringList names = {
        QStringLiteral("Ashmere"), QStringLiteral("Brackenfield"), QStringLiteral("Cedarholt"),
        QStringLiteral("Dunmorrow"), QStringLiteral("Elkwater"), QStringLiteral("Fallowmere"),
        QStringLiteral("Greyhollow"), QStringLiteral("Hartsveld"), QStringLiteral("Ironbrook"),
        QStringLiteral("Juniper Vale"), QStringLiteral("Kestrel Ridge"), QStringLiteral("Larkspur Downs"),
        QStringLiteral("Millstream"), QStringLiteral("Northmarch"), QStringLiteral("Oakhaven"),
        QStringLiteral("Pellham Cross"), QStringLiteral("Quarrystone"), QStringLiteral("Ravensholm"),
        QStringLiteral("Sableford"), QStringLiteral("Thornwick"), QStringLiteral("Upper Tamsin"),
        QStringLiteral("Vellacott"), QStringLiteral("Willowmere"), QStringLiteral("Yarrowdale"),
        QStringLiteral("Zennor Flats"), QStringLiteral("Alderbank"), QStringLiteral("Birchmoor"),
        QStringLiteral("Cobblestone"), QStringLiteral("Dellwyn"), QStringLiteral("Emberton"),
        QStringLiteral("Foxbury"), QStringLiteral("Glenharrow"), QStringLiteral("Heathmont"),
        QStringLiteral("Inverlane"), QStringLiteral("Jasperine"), QStringLiteral("Kingsmere"),
        QStringLiteral("Lowbarrow"), QStringLiteral("Marrowfield"), QStringLiteral("Netherby Fen"),
        QStringLiteral("Orrin Gap"), QStringLiteral("Pinecastle"), QStringLiteral("Quillan"),
        QStringLiteral("Redmarsh"), QStringLiteral("Stonecrop"), QStringLiteral("Tallowmere"),
        QStringLiteral("Underhollow"), QStringLiteral("Verrano"), QStringLiteral("Westerly Bluff"),
        QStringLiteral("Wrenfield"), QStringLiteral("Amberlyn"), QStringLiteral("Bellweather"),
        QStringLiteral("Corriveau"), QStringLiteral("Darrowby"), QStringLiteral("Eastmoor"),
        QStringLiteral("Fenwarden"), QStringLiteral("Gallowmere Run"), QStringLiteral("Hollisford"),
        QStringLiteral("Ivydale"), QStringLiteral("Kettleby Plains"), QStringLiteral("Lindqvist"),
        QStringLiteral("Mossgrove"), QStringLiteral("Nettlefold"), QStringLiteral("Oldcastle Bend"),
        QStringLiteral("Pembrake"), QStringLiteral("Quenby"), QStringLiteral("Rushford Mill"),
        QStringLiteral("Saltmarch"), QStringLiteral("Tessaly"), QStringLiteral("Umberly"), QStringLiteral("Vantrell"),
        QStringLiteral("Whitlowe"), QStringLiteral("Yewbridge"), QStringLiteral("Arlowe"),
        QStringLiteral("Bramblecote"), QStringLiteral("Cindervale"), QStringLiteral("Dapplewood"),
        QStringLiteral("Elmsworth Crossing"), QStringLiteral("Fernhallow"), QStringLiteral("Goldthwaite Springs"),
        QStringLiteral("Halvorsen"), QStringLiteral("Ingleby Moor"), QStringLiteral("Juddmonte"),
        QStringLiteral("Kinsale Ridge"), QStringLiteral("Lanternhill"), QStringLiteral("Marlowe Fork"),
        QStringLiteral("Norcastle"), QStringLiteral("Orchard Knoll"), QStringLiteral("Pryor's Meadow"),
        QStringLiteral("Quintrell"), QStringLiteral("Rookwood"), QStringLiteral("Shalebrook"),
        QStringLiteral("Tindall Flats"), QStringLiteral("Ulverstone"), QStringLiteral("Varnhagen"),
        QStringLiteral("Wolderby"), QStringLiteral("Yarborough Hills"), QStringLiteral("Abbotsmere"),
        QStringLiteral("Blackthorn Vale"), QStringLiteral("Carrowmore"), QStringLiteral("Driftwood Sound"),
        QStringLiteral("Eddington Prairie"), QStringLiteral("Fallbrook Hollow"), QStringLiteral("Gorsefield"),
        QStringLiteral("Harrowgate Mesa"), QStringLiteral("Ironwell"), QStringLiteral("Kilbride Pass"),
        QStringLiteral("Lochwarren"), QStringLiteral("Merriden"), QStringLiteral("Northfen"),
        QStringLiteral("Osterley Bluffs"), QStringLiteral("Penhallow"), QStringLiteral("Ridgemere"),
        QStringLiteral("Sorrelwood"), QStringLiteral("Thistlecombe"), QStringLiteral("Upland Reach"),
        QStringLiteral("Valemount Cross"), QStringLiteral("Westmarrow"), QStringLiteral("Wychwood"),
        QStringLiteral("Alcott Springs"), QStringLiteral("Barrowdown"), QStringLiteral("Coldharbour"),
        QStringLiteral("Deepwater Bend"), QStringLiteral("Everhollow"), QStringLiteral("Flintridge"),
        QStringLiteral("Greystoke Fells"), QStringLiteral("Hazelmere"), QStringLiteral("Kestwick"),
        QStringLiteral("Longmarsh"), QStringLiteral("Maplethorpe"), QStringLiteral("Nightingale Vale"),
        QStringLiteral("Orvieton"), QStringLiteral("Pebblebrook"), QStringLiteral("Rosslare Heights"),
        QStringLiteral("Silverbirch"), QStringLiteral("Tamarack Point"), QStringLiteral("Uxley"),
        QStringLiteral("Vennacott"), QStringLiteral("Wethersby"), QStringLiteral("Ashgrove Prairie"),
        QStringLiteral("Bracklin"), QStringLiteral("Copperhollow"), QStringLiteral("Dunstable Ridge"),
        QStringLiteral("Elderbrook"), QStringLiteral("Fairhaven Glen"), QStringLiteral("Graniteview"),
        QStringLiteral("Hollowmere"), QStringLiteral("Inkwater"), QStringLiteral("Kelderman"),
        QStringLiteral("Lowrey Flats"), QStringLiteral("Moorcroft"), QStringLiteral("Nestledown"),
        QStringLiteral("Oxbow Reach"), QStringLiteral("Prairie Rose"), QStringLiteral("Redstone Gap"),
        QStringLiteral("Saffron Hills"), QStringLiteral("Timberlost"), QStringLiteral("Wintergreen Basin"),
        QStringLiteral("Yellowfen")
    };
    return names;
}

}  // namespace ui
