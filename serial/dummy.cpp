// placeholder until the serial link lands
